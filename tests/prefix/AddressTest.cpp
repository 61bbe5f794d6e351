// SPDX-License-Identifier: MIT
#include "prefix/Address.h"

#include <gtest/gtest.h>

namespace {

IpAddress Parsed(const char* text) {
  const auto r = ParseAddressInput(text);
  EXPECT_TRUE(r.Ok()) << text << ": " << r.Error;
  return r.Value.Address;
}

TEST(AddressInput, ReadsEveryAcceptedForm) {
  struct Case {
    const char* Input;
    AddressFamily Family;
    const char* Address;
    unsigned Length;
    bool LengthGiven;
    const char* Zone;
  };
  const auto V4 = AddressFamily::V4;
  const auto V6 = AddressFamily::V6;
  const Case cases[] = {
      {"10.1.2.3", V4, "10.1.2.3", 32, false, ""},
      {"10.1.2.3/22", V4, "10.1.2.3", 22, true, ""},
      {"  10.1.2.3 / 22  ", V4, "10.1.2.3", 22, true, ""},
      {"10.1.2.3 255.255.252.0", V4, "10.1.2.3", 22, true, ""},
      {"10.1.2.3 0.0.3.255", V4, "10.1.2.3", 22, true, ""},
      {"10.1.2.3/255.255.252.0", V4, "10.1.2.3", 22, true, ""},
      {"10.1.2.3 0.0.0.0", V4, "10.1.2.3", 0, true, ""},
      {"10.1.2.3 255.255.255.255", V4, "10.1.2.3", 32, true, ""},
      {"0.0.0.0/0", V4, "0.0.0.0", 0, true, ""},
      {"2001:db8::1/64", V6, "2001:db8::1", 64, true, ""},
      {"2001:0DB8:0000:0000:0000:0000:0000:0001", V6, "2001:db8::1", 128, false, ""},
      {"[2001:db8::1]/64", V6, "2001:db8::1", 64, true, ""},
      {"[fe80::1%eth0]/64", V6, "fe80::1", 64, true, "eth0"},
      {"fe80::1%eth0/10", V6, "fe80::1", 10, true, "eth0"},
      {"::", V6, "::", 128, false, ""},
      {"1::", V6, "1::", 128, false, ""},
      {"::ffff:192.0.2.1", V6, "::ffff:192.0.2.1", 128, false, ""},
      {"1:2:3:4:5:6:1.2.3.4", V6, "1:2:3:4:5:6:102:304", 128, false, ""},
      {"::/0", V6, "::", 0, true, ""},
      {"3232235777/24", V4, "192.168.1.1", 24, true, ""},
      {"4294967295", V4, "255.255.255.255", 32, false, ""},
      {"4294967296", V6, "::1:0:0", 128, false, ""},
      {"0xc0a80101", V4, "192.168.1.1", 32, false, ""},
      {"0x1", V4, "0.0.0.1", 32, false, ""},
      {"0x000000001", V6, "::1", 128, false, ""},
      {"0x20010DB8000000000000000000000001/32", V6, "2001:db8::1", 32, true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Input);
    const auto r = ParseAddressInput(c.Input);
    ASSERT_TRUE(r.Ok()) << r.Error;
    EXPECT_EQ(r.Value.Address.Family, c.Family);
    EXPECT_EQ(CanonicalText(r.Value.Address), c.Address);
    EXPECT_EQ(r.Value.Length, c.Length);
    EXPECT_EQ(r.Value.LengthGiven, c.LengthGiven);
    EXPECT_EQ(r.Value.Zone, c.Zone);
  }
}

TEST(AddressInput, SaysWhatIsWrongAndWhere) {
  struct Case {
    const char* Input;
    const char* Error;
  };
  const Case cases[] = {
      {"   ", "empty input"},
      {"[::1", "missing ']'"},
      {"fe80::1%", "empty zone after '%'"},
      {"/24", "no address"},
      {"2001:db8:::1", "more than one '::'"},
      {"1::2::3", "more than one '::'"},
      {":1::2", "single ':' at the start"},
      {"1:2:3:4:5:6:7:", "single ':' at the end"},
      {"::1.2.3.4:5", "the IPv4 part must come last"},
      {"1:2:3:4:5:6:7:8:9", "more than 8 groups"},
      {"1:2:3:4:5:6:7:1.2.3.4", "more than 8 groups"},
      {"2001:db8::12345", "group 3 has more than 4 hex digits"},
      {"2001:dg8::1", "group 2 has 'g', not a hex digit"},
      {"1:2:3:4:5:6:7", "only 7 groups and no '::'"},
      {"1:2:3:4::5:6:7:8", "'::' with 8 groups already written"},
      {"1:2:3:4:5:6:7:8::", "'::' with 8 groups already written"},
      {"1.2.3.4.5", "more than 4 octets"},
      {"1.2.3.", "octet 4 is empty"},
      {"1.2.3.4x", "octet 4 has 'x', not a digit"},
      {"1.02.3.4", "octet 2 has a leading zero"},
      {"10.1.2.300", "octet 4 is above 255"},
      {"::ffff:192.0.2.256", "octet 4 is above 255"},
      {"1.2.3", "only 3 octets"},
      {"0x", "no hex digits after '0x'"},
      {"0x123456789012345678901234567890123", "hexadecimal address has more than 32 digits"},
      {"0xg1", "hexadecimal address has 'g', not a hex digit"},
      {"340282366920938463463374607431768211456", "integer address is above 2^128 - 1"},
      {"abc", "'abc' is not an address"},
      {"10.0.0.1%eth0", "a zone ('%') belongs only to IPv6"},
      {"[10.0.0.1]", "brackets belong only to IPv6"},
      {"10.0.0.0/", "missing prefix length after '/'"},
      {"10.0.0.0/24 255.0.0.0", "unexpected text '255.0.0.0' after '24'"},
      {"2001:db8:: 255.255.0.0", "a dotted mask belongs only to IPv4"},
      {"10.0.0.0 255.255.255.256", "in the mask, octet 4 is above 255"},
      {"10.0.0.0 255.0.255.0", "255.0.255.0 is neither a mask nor a wildcard mask"},
      {"10.0.0.1 foo", "unexpected text 'foo' after the address"},
      {"10.0.0.0/x", "prefix length 'x' is not a number"},
      {"10.0.0.0/33", "prefix length 33 is above 32"},
      {"2001:db8::/129", "prefix length 129 is above 128"},
      {"::/99999999999", "prefix length 99999999999 is above 128"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Input);
    const auto r = ParseAddressInput(c.Input);
    EXPECT_FALSE(r.Ok());
    EXPECT_EQ(r.Error, c.Error);
  }
}

// RFC 5952, sections 2, 4 and 5.
TEST(AddressText, CanonicalFormOfRfc5952) {
  struct Case {
    const char* Input;
    const char* Canonical;
  };
  const Case cases[] = {
      {"2001:0db8::0001", "2001:db8::1"},
      {"2001:db8:0:0:0:0:2:1", "2001:db8::2:1"},
      {"2001:db8:0:1:1:1:1:1", "2001:db8:0:1:1:1:1:1"},
      {"2001:0:0:1:0:0:0:1", "2001:0:0:1::1"},
      {"2001:db8:0:0:1:0:0:1", "2001:db8::1:0:0:1"},
      {"2001:0db8:0:0:1:0:0:1", "2001:db8::1:0:0:1"},
      {"2001:db8::0:1:0:0:1", "2001:db8::1:0:0:1"},
      {"2001:db8:0:0:1::1", "2001:db8::1:0:0:1"},
      {"2001:db8:0000:0:1::1", "2001:db8::1:0:0:1"},
      {"2001:DB8:0:0:1::1", "2001:db8::1:0:0:1"},
      {"2001:db8:aaaa:bbbb:cccc:dddd:eeee:0001", "2001:db8:aaaa:bbbb:cccc:dddd:eeee:1"},
      {"2001:db8::ABCD", "2001:db8::abcd"},
      {"0:0:0:0:0:0:0:0", "::"},
      {"0:0:0:0:0:0:0:1", "::1"},
      {"1:0:0:0:0:0:0:0", "1::"},
      {"::ffff:c000:201", "::ffff:192.0.2.1"},
  };
  for (const Case& c : cases) EXPECT_EQ(CanonicalText(Parsed(c.Input)), c.Canonical) << c.Input;
}

TEST(AddressText, FullIntegerHexBinaryAndReverseForms) {
  struct Case {
    const char* Input;
    const char* Full;
    const char* Decimal;
    const char* Hex;
    const char* Binary;
    const char* Reverse;
  };
  const Case cases[] = {
      {"10.1.2.3", "10.1.2.3", "167838211", "0x0a010203", "00001010.00000001.00000010.00000011",
       "3.2.1.10.in-addr.arpa"},
      {"4321:0:1:2:3:4:567:89ab", "4321:0000:0001:0002:0003:0004:0567:89ab", "89229621513922221759010526636441831851",
       "0x432100000001000200030004056789ab",
       "0100001100100001:0000000000000000:0000000000000001:0000000000000010:"
       "0000000000000011:0000000000000100:0000010101100111:1000100110101011",
       "b.a.9.8.7.6.5.0.4.0.0.0.3.0.0.0.2.0.0.0.1.0.0.0.0.0.0.0.1.2.3.4.ip6.arpa"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Input);
    const IpAddress a = Parsed(c.Input);
    EXPECT_EQ(FullText(a), c.Full);
    EXPECT_EQ(DecimalText(a.Value), c.Decimal);
    EXPECT_EQ(HexText(a), c.Hex);
    EXPECT_EQ(BinaryText(a), c.Binary);
    EXPECT_EQ(ReverseDnsName(a), c.Reverse);
    EXPECT_EQ(Parsed(HexText(a).c_str()), a) << "the hexadecimal text reads back";
  }
}

TEST(AddressText, DecimalIsExactAcrossItsChunks) {
  struct Case {
    U128 Value;
    const char* Text;
  };
  const U128 TenTo19 = 10000000000000000000ull;
  const Case cases[] = {
      {0, "0"},
      {TenTo19 - 1, "9999999999999999999"},
      {TenTo19, "10000000000000000000"},
      {TenTo19 * TenTo19 + 7, "100000000000000000000000000000000000007"},
      {U128{1} << 64, "18446744073709551616"},
      {~U128{0}, "340282366920938463463374607431768211455"},
  };
  for (const Case& c : cases) EXPECT_EQ(DecimalText(c.Value), c.Text);
}

TEST(Prefix, NetworkLastAddressAndMasks) {
  struct Case {
    const char* Input;
    const char* Network;
    const char* Last;
    const char* Mask;
    const char* Wildcard;
  };
  const Case cases[] = {
      {"10.1.2.3/22", "10.1.0.0/22", "10.1.3.255", "255.255.252.0", "0.0.3.255"},
      {"10.1.2.3/0", "0.0.0.0/0", "255.255.255.255", "0.0.0.0", "255.255.255.255"},
      {"10.1.2.3/32", "10.1.2.3/32", "10.1.2.3", "255.255.255.255", "0.0.0.0"},
      {"2001:db8:1:2::1/56", "2001:db8:1::/56", "2001:db8:1:ff:ffff:ffff:ffff:ffff", "ffff:ffff:ffff:ff00::",
       "::ff:ffff:ffff:ffff:ffff"},
      {"2001:db8::1/0", "::/0", "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff", "::",
       "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff"},
      {"2001:db8::1/128", "2001:db8::1/128", "2001:db8::1", "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff", "::"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Input);
    const auto r = ParseAddressInput(c.Input);
    ASSERT_TRUE(r.Ok());
    const IpPrefix p = InputPrefix(r.Value);
    const AddressFamily f = p.Network.Family;
    EXPECT_EQ(PrefixText(p), c.Network);
    EXPECT_EQ(CanonicalText(LastAddress(p)), c.Last);
    EXPECT_EQ(CanonicalText({f, NetworkMask(f, p.Length)}), c.Mask);
    EXPECT_EQ(CanonicalText({f, HostMask(f, p.Length)}), c.Wildcard);
    EXPECT_TRUE(Contains(p, r.Value.Address));
    EXPECT_FALSE(Contains(p, {f == AddressFamily::V4 ? AddressFamily::V6 : AddressFamily::V4, p.Network.Value}));
  }
}

}  // namespace
