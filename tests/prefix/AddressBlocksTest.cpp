// SPDX-License-Identifier: MIT
#include "prefix/AddressBlocks.h"

#include <gtest/gtest.h>

namespace {

IpAddress Parsed(const std::string& text) {
  const auto r = ParseAddressInput(text);
  EXPECT_TRUE(r.Ok()) << text << ": " << r.Error;
  return r.Value.Address;
}

const char* BlockName(IpAddress a) { return ClassifyAddress(a).Name; }

// Each block's first and last address, and the addresses just outside it
// ("" where the family's space ends).
TEST(AddressBlocks, EdgesOfEveryBlock) {
  struct Case {
    const char* Block;
    const char* First;
    const char* Last;
    const char* Before;
    const char* After;
  };
  const char* Public = "Public";
  const char* Ietf4 = "IETF Protocol Assignments";
  const char* Iscp = "IPv4 Service Continuity Prefix";
  const char* Dns64 = "NAT64/DNS64 Discovery";
  const char* Unicast = "Global Unicast";
  const char* Ietf6 = "IETF Protocol Assignments";
  const char* Reserved6 = "Reserved by IETF";
  const Case cases[] = {
      {"0.0.0.0/8", "This host on this network", "This network", "", Public},
      {"10.0.0.0/8", "Private-Use", "Private-Use", Public, Public},
      {"100.64.0.0/10", "Shared Address Space", "Shared Address Space", Public, Public},
      {"127.0.0.0/8", "Loopback", "Loopback", Public, Public},
      {"169.254.0.0/16", "Link Local", "Link Local", Public, Public},
      {"172.16.0.0/12", "Private-Use", "Private-Use", Public, Public},
      {"192.0.0.0/24", Iscp, Ietf4, Public, Public},
      {"192.0.0.0/29", Iscp, Iscp, Public, "IPv4 dummy address"},
      {"192.0.0.8/32", "IPv4 dummy address", "IPv4 dummy address", Iscp, "Port Control Protocol Anycast"},
      {"192.0.0.9/32", "Port Control Protocol Anycast", "Port Control Protocol Anycast", "IPv4 dummy address",
       "Traversal Using Relays around NAT Anycast"},
      {"192.0.0.10/32", "Traversal Using Relays around NAT Anycast", "Traversal Using Relays around NAT Anycast",
       "Port Control Protocol Anycast", Ietf4},
      {"192.0.0.170/32", Dns64, Dns64, Ietf4, Dns64},
      {"192.0.0.171/32", Dns64, Dns64, Dns64, Ietf4},
      {"192.0.2.0/24", "Documentation (TEST-NET-1)", "Documentation (TEST-NET-1)", Public, Public},
      {"192.31.196.0/24", "AS112-v4", "AS112-v4", Public, Public},
      {"192.52.193.0/24", "AMT", "AMT", Public, Public},
      {"192.88.99.0/24", "Deprecated (6to4 Relay Anycast)", "Deprecated (6to4 Relay Anycast)", Public, Public},
      {"192.168.0.0/16", "Private-Use", "Private-Use", Public, Public},
      {"192.175.48.0/24", "Direct Delegation AS112 Service", "Direct Delegation AS112 Service", Public, Public},
      {"198.18.0.0/15", "Benchmarking", "Benchmarking", Public, Public},
      {"198.51.100.0/24", "Documentation (TEST-NET-2)", "Documentation (TEST-NET-2)", Public, Public},
      {"203.0.113.0/24", "Documentation (TEST-NET-3)", "Documentation (TEST-NET-3)", Public, Public},
      {"224.0.0.0/4", "Multicast", "Multicast", Public, "Reserved"},
      {"240.0.0.0/4", "Reserved", "Limited Broadcast", "Multicast", ""},
      {"255.255.255.255/32", "Limited Broadcast", "Limited Broadcast", "Reserved", ""},

      {"::/128", "Unspecified Address", "Unspecified Address", "", "Loopback Address"},
      {"::1/128", "Loopback Address", "Loopback Address", "Unspecified Address",
       "IPv4-compatible Address (deprecated)"},
      {"::/96", "Unspecified Address", "IPv4-compatible Address (deprecated)", "", Reserved6},
      {"::ffff:0:0/96", "IPv4-mapped Address", "IPv4-mapped Address", Reserved6, Reserved6},
      {"64:ff9b::/96", "IPv4-IPv6 Translation", "IPv4-IPv6 Translation", Reserved6, Reserved6},
      {"64:ff9b:1::/48", "IPv4-IPv6 Translation (local use)", "IPv4-IPv6 Translation (local use)", Reserved6,
       Reserved6},
      {"100::/64", "Discard-Only Address Block", "Discard-Only Address Block", Reserved6, Reserved6},
      {"2000::/3", Unicast, Unicast, Reserved6, Reserved6},
      {"2001::/23", "TEREDO", Ietf6, Unicast, Unicast},
      {"2001::/32", "TEREDO", "TEREDO", Unicast, Ietf6},
      {"2001:1::1/128", "Port Control Protocol Anycast", "Port Control Protocol Anycast", Ietf6,
       "Traversal Using Relays around NAT Anycast"},
      {"2001:1::2/128", "Traversal Using Relays around NAT Anycast", "Traversal Using Relays around NAT Anycast",
       "Port Control Protocol Anycast", "DNS-SD Service Registration Protocol Anycast"},
      {"2001:1::3/128", "DNS-SD Service Registration Protocol Anycast",
       "DNS-SD Service Registration Protocol Anycast", "Traversal Using Relays around NAT Anycast", Ietf6},
      {"2001:2::/48", "Benchmarking", "Benchmarking", Ietf6, Ietf6},
      {"2001:3::/32", "AMT", "AMT", Ietf6, Ietf6},
      {"2001:4:112::/48", "AS112-v6", "AS112-v6", Ietf6, Ietf6},
      {"2001:10::/28", "Deprecated (previously ORCHID)", "Deprecated (previously ORCHID)", Ietf6, "ORCHIDv2"},
      {"2001:20::/28", "ORCHIDv2", "ORCHIDv2", "Deprecated (previously ORCHID)",
       "Drone Remote ID Protocol Entity Tags (DETs) Prefix"},
      {"2001:30::/28", "Drone Remote ID Protocol Entity Tags (DETs) Prefix",
       "Drone Remote ID Protocol Entity Tags (DETs) Prefix", "ORCHIDv2", Ietf6},
      {"2001:db8::/32", "Documentation", "Documentation", Unicast, Unicast},
      {"2002::/16", "6to4", "6to4", Unicast, Unicast},
      {"2620:4f:8000::/48", "Direct Delegation AS112 Service", "Direct Delegation AS112 Service", Unicast, Unicast},
      {"3fff::/20", "Documentation", "Documentation", Unicast, Unicast},
      {"5f00::/16", "Segment Routing (SRv6) SIDs", "Segment Routing (SRv6) SIDs", Reserved6, Reserved6},
      {"fc00::/7", "Unique-Local", "Unique-Local", Reserved6, Reserved6},
      {"fe80::/10", "Link-Local Unicast", "Link-Local Unicast", Reserved6, "Site-Local Unicast (deprecated)"},
      {"fec0::/10", "Site-Local Unicast (deprecated)", "Site-Local Unicast (deprecated)", "Link-Local Unicast",
       "Multicast"},
      {"ff00::/8", "Multicast", "Multicast", "Site-Local Unicast (deprecated)", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Block);
    const auto r = ParseAddressInput(c.Block);
    ASSERT_TRUE(r.Ok());
    const IpPrefix p = InputPrefix(r.Value);
    const IpAddress first = p.Network;
    const IpAddress last = LastAddress(p);
    EXPECT_STREQ(BlockName(first), c.First);
    EXPECT_STREQ(BlockName(last), c.Last);
    const bool atStart = first.Value == 0;
    const bool atEnd = last.Value == HostMask(first.Family, 0);
    EXPECT_EQ(atStart, *c.Before == '\0');
    EXPECT_EQ(atEnd, *c.After == '\0');
    if (!atStart) {
      EXPECT_STREQ(BlockName({first.Family, first.Value - 1}), c.Before);
    }
    if (!atEnd) {
      EXPECT_STREQ(BlockName({first.Family, last.Value + 1}), c.After);
    }
  }
}

TEST(AddressBlocks, KindAndReachability) {
  struct Case {
    const char* Address;
    const char* Kind;
    bool Global;
  };
  const Case cases[] = {
      {"8.8.8.8", "global", true},
      {"0.0.0.0", "unspecified", false},
      {"10.1.2.3", "private", false},
      {"100.64.0.1", "shared address space", false},
      {"127.0.0.1", "loopback", false},
      {"169.254.1.1", "link-local", false},
      {"192.0.2.1", "documentation", false},
      {"198.19.255.255", "benchmarking", false},
      {"192.0.0.9", "special purpose", true},
      {"224.0.0.1", "multicast", true},
      {"240.0.0.1", "reserved", false},
      {"255.255.255.255", "limited broadcast", false},
      {"2606:4700::1111", "global", true},
      {"4000::1", "reserved", false},
      {"::", "unspecified", false},
      {"::1", "loopback", false},
      {"fd12:3456::1", "unique local (ULA)", false},
      {"fe80::1", "link-local", false},
      {"ff02::1", "multicast", true},
      {"2002:c000:204::1", "6to4", false},
      {"2001:0:4136:e378:8000:63bf:3fff:fdd2", "Teredo", false},
      {"64:ff9b::192.0.2.33", "NAT64", true},
      {"::ffff:10.0.0.1", "IPv4-mapped", false},
      {"::10.0.0.1", "IPv4-compatible", false},
      {"2001:db8::1", "documentation", false},
      {"2001:2::1", "benchmarking", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Address);
    const RegistryBlock& b = ClassifyAddress(Parsed(c.Address));
    EXPECT_STREQ(KindName(b.Kind), c.Kind);
    EXPECT_EQ(b.GloballyReachable, c.Global);
  }
}

TEST(AddressBlocks, MulticastScopeAndFlags) {
  struct Case {
    const char* Address;
    const char* Scope;
    bool Transient, PrefixBased, RendezvousPoint;
  };
  const Case cases[] = {
      {"ff01::1", "interface-local", false, false, false},
      {"ff02::1", "link-local", false, false, false},
      {"ff05::2", "site-local", false, false, false},
      {"ff18::1", "organization-local", true, false, false},
      {"ff3e:30:2001:db8::1", "global", true, true, false},
      {"ff7e:140:2001:db8::1", "global", true, true, true},
      {"ff00::1", "reserved", false, false, false},
      {"224.0.0.1", "link-local", false, false, false},
      {"224.0.1.1", "global", false, false, false},
      {"239.1.2.3", "organization-local", false, false, false},
      {"239.255.0.1", "site-local", false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Address);
    const auto m = MulticastOf(Parsed(c.Address));
    ASSERT_TRUE(m);
    EXPECT_STREQ(m->Scope, c.Scope);
    EXPECT_EQ(m->Transient, c.Transient);
    EXPECT_EQ(m->PrefixBased, c.PrefixBased);
    EXPECT_EQ(m->RendezvousPoint, c.RendezvousPoint);
  }
  EXPECT_FALSE(MulticastOf(Parsed("2001:db8::1")));
  EXPECT_FALSE(MulticastOf(Parsed("223.255.255.255")));
}

TEST(AddressBlocks, TeredoServerClientAndPort) {
  const auto t = TeredoOf(Parsed("2001:0:4136:e378:8000:63bf:3fff:fdd2"));
  ASSERT_TRUE(t);
  EXPECT_EQ(CanonicalText(t->Server), "65.54.227.120");
  EXPECT_EQ(CanonicalText(t->Client), "192.0.2.45");
  EXPECT_EQ(t->Port, 40000);
  EXPECT_EQ(t->Flags, 0x8000);
  EXPECT_FALSE(TeredoOf(Parsed("2001:1::1")));
}

TEST(AddressBlocks, EmbeddedIpv4) {
  struct Case {
    const char* Address;
    const char* Embedded;  // "" for none
  };
  const Case cases[] = {
      {"2002:c000:204::1", "192.0.2.4"},    {"64:ff9b::192.0.2.33", "192.0.2.33"},
      {"::ffff:10.1.2.3", "10.1.2.3"},      {"::10.1.2.3", "10.1.2.3"},
      {"64:ff9b:1::192.0.2.33", ""},        {"2001:db8::1", ""},
      {"10.1.2.3", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Address);
    const auto e = EmbeddedIpv4(Parsed(c.Address));
    EXPECT_EQ(e ? CanonicalText(*e) : "", c.Embedded);
  }
}

TEST(AddressBlocks, MacOfAModifiedEui64InterfaceId) {
  struct Case {
    const char* Address;
    const char* Mac;  // "" for none
  };
  const Case cases[] = {
      {"fe80::21b:63ff:fe84:45e6", "00:1b:63:84:45:e6"},
      {"2001:db8::a8bb:ccff:fedd:eeff", "aa:bb:cc:dd:ee:ff"},
      {"fe80::1", ""},
      {"2001:db8::ff:fe00:0:1", ""},
      {"10.255.254.1", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Address);
    const auto mac = MacFromInterfaceId(Parsed(c.Address));
    EXPECT_EQ(mac ? MacText(*mac) : "", c.Mac);
  }
}

TEST(AddressBlocks, SolicitedNodeMulticastAddress) {
  struct Case {
    const char* Address;
    const char* SolicitedNode;  // "" for none
  };
  const Case cases[] = {
      {"4037::01:800:200e:8c6c", "ff02::1:ff0e:8c6c"},
      {"fe80::21b:63ff:fe84:45e6", "ff02::1:ff84:45e6"},
      {"::1", "ff02::1:ff00:1"},
      {"::", ""},
      {"ff02::1", ""},
      {"192.0.2.1", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Address);
    const auto s = SolicitedNodeAddress(Parsed(c.Address));
    EXPECT_EQ(s ? CanonicalText(*s) : "", c.SolicitedNode);
  }
}

}  // namespace
