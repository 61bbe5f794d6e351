// SPDX-License-Identifier: MIT
#include "prefix/PrefixFacts.h"

#include <gtest/gtest.h>

namespace {

IpPrefix ParsedPrefix(const char* text) {
  const auto r = ParseAddressInput(text);
  EXPECT_TRUE(r.Ok()) << text << ": " << r.Error;
  return InputPrefix(r.Value);
}

IpAddress ParsedAddress(const char* text) { return ParsedPrefix(text).Network; }

constexpr const char* TwoTo128 = "340282366920938463463374607431768211456";

TEST(PrefixFacts, AddressCountIsExactUpTo2To128) {
  struct Case {
    const char* Prefix;
    const char* Decimal;
    const char* Power;
  };
  const Case cases[] = {
      {"10.1.2.3/22", "1024", "2^10"},
      {"10.1.2.3/32", "1", "2^0"},
      {"0.0.0.0/0", "4294967296", "2^32"},
      {"2001:db8::/64", "18446744073709551616", "2^64"},
      {"2001:db8::/1", "170141183460469231731687303715884105728", "2^127"},
      {"::/0", TwoTo128, "2^128"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Prefix);
    const PowerOfTwo n = AddressCount(ParsedPrefix(c.Prefix));
    EXPECT_EQ(n.DecimalText(), c.Decimal);
    EXPECT_EQ(n.PowerText(), c.Power);
  }
}

TEST(PrefixFacts, UsableHostsOfIpv4Including31And32) {
  struct Case {
    const char* Prefix;
    const char* First;
    const char* Last;
    std::uint64_t Count;
  };
  const Case cases[] = {
      {"10.1.2.3/22", "10.1.0.1", "10.1.3.254", 1022},
      {"192.0.2.0/30", "192.0.2.1", "192.0.2.2", 2},
      {"192.0.2.7/31", "192.0.2.6", "192.0.2.7", 2},
      {"192.0.2.7/32", "192.0.2.7", "192.0.2.7", 1},
      {"0.0.0.0/0", "0.0.0.1", "255.255.255.254", 4294967294u},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Prefix);
    const auto hosts = UsableHosts(ParsedPrefix(c.Prefix));
    ASSERT_TRUE(hosts);
    EXPECT_EQ(CanonicalText(hosts->First), c.First);
    EXPECT_EQ(CanonicalText(hosts->Last), c.Last);
    EXPECT_EQ(hosts->Count, c.Count);
  }
  EXPECT_FALSE(UsableHosts(ParsedPrefix("2001:db8::/64")));
}

TEST(PrefixFacts, EnclosingPrefixesRunFromItselfToSlash0) {
  const auto chain = EnclosingPrefixes(ParsedPrefix("10.1.2.3/22"));
  ASSERT_EQ(chain.size(), 23u);
  EXPECT_EQ(PrefixText(chain[0]), "10.1.0.0/22");
  EXPECT_EQ(PrefixText(chain[1]), "10.1.0.0/21");
  EXPECT_EQ(PrefixText(chain[15]), "10.0.0.0/7");
  EXPECT_EQ(PrefixText(chain[22]), "0.0.0.0/0");
  const auto v6 = EnclosingPrefixes(ParsedPrefix("2001:db8:ffff::/48"));
  ASSERT_EQ(v6.size(), 49u);
  EXPECT_EQ(PrefixText(v6[16]), "2001:db8::/32");
  EXPECT_EQ(PrefixText(v6[48]), "::/0");
  EXPECT_EQ(EnclosingPrefixes(ParsedPrefix("::/0")).size(), 1u);
}

TEST(PrefixSplit, RowsAreAFunctionOfTheirIndex) {
  struct Case {
    const char* Parent;
    unsigned Length;
    const char* RowCount;
    U128 Index;
    const char* Row;  // "" past the last row
  };
  const U128 TwoTo64 = U128{1} << 64;
  const Case cases[] = {
      {"10.0.0.0/8", 30, "4194304", 0, "10.0.0.0/30"},
      {"10.0.0.0/8", 30, "4194304", 4194303, "10.255.255.252/30"},
      {"10.0.0.0/8", 30, "4194304", 4194304, ""},
      {"10.0.0.0/8", 8, "1", 0, "10.0.0.0/8"},
      {"10.0.0.0/8", 8, "1", 1, ""},
      {"0.0.0.0/0", 32, "4294967296", 4294967295u, "255.255.255.255/32"},
      {"2001:db8::/32", 64, "4294967296", 0, "2001:db8::/64"},
      {"2001:db8::/32", 64, "4294967296", 0x10005, "2001:db8:1:5::/64"},
      {"2001:db8::/32", 64, "4294967296", 4294967295u, "2001:db8:ffff:ffff::/64"},
      {"2001:db8::/32", 64, "4294967296", 4294967296u, ""},
      {"::/0", 128, TwoTo128, 0, "::/128"},
      {"::/0", 128, TwoTo128, TwoTo64 + 5, "::1:0:0:0:5/128"},
      {"::/0", 128, TwoTo128, ~U128{0}, "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff/128"},
      {"::/0", 0, "1", 0, "::/0"},
      {"::/0", 0, "1", 1, ""},
      {"::/0", 64, "18446744073709551616", TwoTo64 - 1, "ffff:ffff:ffff:ffff::/64"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.Parent) + " into /" + std::to_string(c.Length) + " row " + DecimalText(c.Index));
    const auto split = PrefixSplit::Make(ParsedPrefix(c.Parent), c.Length);
    ASSERT_TRUE(split.Ok());
    EXPECT_EQ(split.Value.RowCount().DecimalText(), c.RowCount);
    const auto row = split.Value.Row(c.Index);
    EXPECT_EQ(row ? PrefixText(*row) : "", c.Row);
    if (row) {
      EXPECT_EQ(split.Value.RowOf(row->Network), c.Index);
      EXPECT_EQ(split.Value.RowOf(LastAddress(*row)), c.Index);
    }
  }
}

TEST(PrefixSplit, RowOfAnAddressOutsideIsNone) {
  const auto split = PrefixSplit::Make(ParsedPrefix("2001:db8::/32"), 64);
  ASSERT_TRUE(split.Ok());
  EXPECT_FALSE(split.Value.RowOf(ParsedAddress("2001:db9::")));
  EXPECT_FALSE(split.Value.RowOf(ParsedAddress("32.1.13.184")));
  EXPECT_EQ(split.Value.RowOf(ParsedAddress("2001:db8:1:5::abcd")), U128{0x10005});
}

TEST(PrefixSplit, RefusesLengthsOutsideTheParentAndFamily) {
  struct Case {
    const char* Parent;
    unsigned Length;
    const char* Error;
  };
  const Case cases[] = {
      {"10.0.0.0/16", 8, "subnet length 8 is shorter than the prefix's 16"},
      {"10.0.0.0/16", 33, "subnet length 33 is above 32"},
      {"2001:db8::/32", 129, "subnet length 129 is above 128"},
  };
  for (const Case& c : cases) EXPECT_EQ(PrefixSplit::Make(ParsedPrefix(c.Parent), c.Length).Error, c.Error);
}

TEST(RowNumbers, CountFromOneUpTo2To128) {
  const U128 TwoTo64 = U128{1} << 64;
  EXPECT_EQ(RowNumberText(0), "1");
  EXPECT_EQ(RowNumberText(TwoTo64 + 5), "18446744073709551622");
  EXPECT_EQ(RowNumberText(~U128{0}), TwoTo128);
  struct Case {
    const char* Text;
    U128 Index;
    const char* Error;
  };
  const Case cases[] = {
      {"1", 0, ""},
      {" 007 ", 6, ""},
      {"18446744073709551622", TwoTo64 + 5, ""},
      {TwoTo128, ~U128{0}, ""},
      {"340282366920938463463374607431768211457", 0,
       "row number 340282366920938463463374607431768211457 is above 2^128"},
      {"0", 0, "row numbers start at 1"},
      {"", 0, "no row number"},
      {"12a", 0, "row number '12a' is not a number"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text);
    const auto r = ParseRowNumber(c.Text);
    EXPECT_EQ(r.Error, c.Error);
    if (r.Ok()) {
      EXPECT_TRUE(r.Value == c.Index);
    }
  }
}

}  // namespace
