// SPDX-License-Identifier: MIT
#include "prefix/ReverseZones.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

ReverseZones Of(const char* prefix) { return ReverseZonesOf(InputPrefix(ParseAddressInput(prefix).Value)); }

TEST(ReverseZones, OnOctetAndNibbleBoundariesOrEverySpannedZone) {
  struct Case {
    const char* Prefix;
    std::vector<std::string> Zones;
  };
  const Case cases[] = {
      {"192.0.2.0/24", {"2.0.192.in-addr.arpa"}},
      {"10.20.0.0/16", {"20.10.in-addr.arpa"}},
      {"0.0.0.0/0", {"in-addr.arpa"}},
      {"198.51.100.0/22", {"100.51.198.in-addr.arpa", "101.51.198.in-addr.arpa", "102.51.198.in-addr.arpa",
                           "103.51.198.in-addr.arpa"}},
      {"172.16.0.0/15", {"16.172.in-addr.arpa", "17.172.in-addr.arpa"}},
      {"2001:db8::/32", {"8.b.d.0.1.0.0.2.ip6.arpa"}},
      {"2001:db8:abcd::/46", {"c.c.b.a.8.b.d.0.1.0.0.2.ip6.arpa", "d.c.b.a.8.b.d.0.1.0.0.2.ip6.arpa",
                               "e.c.b.a.8.b.d.0.1.0.0.2.ip6.arpa", "f.c.b.a.8.b.d.0.1.0.0.2.ip6.arpa"}},
      {"::/0", {"ip6.arpa"}},
      // RFC 3596's example address as a /128.
      {"4321:0:1:2:3:4:567:89ab/128",
       {"b.a.9.8.7.6.5.0.4.0.0.0.3.0.0.0.2.0.0.0.1.0.0.0.0.0.0.0.1.2.3.4.ip6.arpa"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Prefix);
    const ReverseZones zones = Of(c.Prefix);
    EXPECT_EQ(zones.Zones, c.Zones);
    EXPECT_TRUE(zones.Cnames.empty());
  }
  EXPECT_EQ(Of("10.0.0.0/1").Zones.size(), 128u);
}

// RFC 2317's delegations of 192.0.2.0/24: a /25 and two /26s.
TEST(ReverseZones, ClasslessBelowA24WithACnamePerAddress) {
  struct Case {
    const char* Prefix;
    const char* Zone;
    std::size_t Cnames;
    ReverseCname First;
    ReverseCname Last;
  };
  const Case cases[] = {
      {"192.0.2.0/25", "0/25.2.0.192.in-addr.arpa", 128, {"0", "0.0/25.2.0.192.in-addr.arpa."},
       {"127", "127.0/25.2.0.192.in-addr.arpa."}},
      {"192.0.2.130/26", "128/26.2.0.192.in-addr.arpa", 64, {"128", "128.128/26.2.0.192.in-addr.arpa."},
       {"191", "191.128/26.2.0.192.in-addr.arpa."}},
      {"192.0.2.192/26", "192/26.2.0.192.in-addr.arpa", 64, {"192", "192.192/26.2.0.192.in-addr.arpa."},
       {"255", "255.192/26.2.0.192.in-addr.arpa."}},
      {"192.0.2.9/32", "9/32.2.0.192.in-addr.arpa", 1, {"9", "9.9/32.2.0.192.in-addr.arpa."},
       {"9", "9.9/32.2.0.192.in-addr.arpa."}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Prefix);
    const ReverseZones zones = Of(c.Prefix);
    EXPECT_EQ(zones.Zones, std::vector<std::string>{c.Zone});
    EXPECT_EQ(zones.CnameZone, "2.0.192.in-addr.arpa");
    ASSERT_EQ(zones.Cnames.size(), c.Cnames);
    EXPECT_EQ(zones.Cnames.front(), c.First);
    EXPECT_EQ(zones.Cnames.back(), c.Last);
  }
  EXPECT_EQ(CnameText(Of("192.0.2.0/25").Cnames[1]), "1 CNAME 1.0/25.2.0.192.in-addr.arpa.");
}

}  // namespace
