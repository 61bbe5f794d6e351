// SPDX-License-Identifier: MIT
#include "prefix/SplitRows.h"

#include <gtest/gtest.h>

#include "prefix/ResultLines.h"

#include <string>
#include <vector>

namespace {

SplitRows Rows(const char* parent, unsigned length) {
  const auto input = ParseAddressInput(parent);
  EXPECT_TRUE(input.Ok()) << parent;
  const auto split = PrefixSplit::Make(InputPrefix(input.Value), length);
  EXPECT_TRUE(split.Ok()) << split.Error;
  return SplitRows(split.Value);
}

std::vector<std::string> Row(const SplitRows& rows, U128 row, int cols) {
  std::vector<std::string> texts(static_cast<std::size_t>(cols));
  for (int col = 0; col < cols; ++col) rows.AppendText(row, col, texts[static_cast<std::size_t>(col)]);
  return texts;
}

// Every column of both families, at the first, a deep and the last row,
// and the /31 and /32 subnets whose addresses all belong to hosts.
TEST(SplitRows, RowsAreNumberedFromOneWithTheirSubnetsAddresses) {
  struct Case {
    const char* Parent;
    unsigned Length;
    U128 Row;
    std::vector<std::string> Texts;
  };
  const U128 deep = (U128{1} << 64) + 4;
  const Case cases[] = {
      {"10.0.0.0/8", 24, 0, {"1", "10.0.0.0/24", "10.0.0.0", "10.0.0.255", "10.0.0.255", "10.0.0.1 - 10.0.0.254"}},
      {"10.0.0.0/8", 24, 65535,
       {"65536", "10.255.255.0/24", "10.255.255.0", "10.255.255.255", "10.255.255.255",
        "10.255.255.1 - 10.255.255.254"}},
      {"192.0.2.0/24", 31, 1, {"2", "192.0.2.2/31", "192.0.2.2", "192.0.2.3", "none", "192.0.2.2 - 192.0.2.3"}},
      {"192.0.2.0/24", 32, 255, {"256", "192.0.2.255/32", "192.0.2.255", "192.0.2.255", "none", "192.0.2.255 - 192.0.2.255"}},
      {"2001:db8::/32", 64, 4294967295,
       {"4294967296", "2001:db8:ffff:ffff::/64", "2001:db8:ffff:ffff::", "2001:db8:ffff:ffff:ffff:ffff:ffff:ffff"}},
      {"::/0", 128, deep, {"18446744073709551621", "::1:0:0:0:4/128", "::1:0:0:0:4", "::1:0:0:0:4"}},
      {"::/0", 128, ~U128{0},
       {"340282366920938463463374607431768211456", "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff/128",
        "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff", "ffff:ffff:ffff:ffff:ffff:ffff:ffff:ffff"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.Parent) + " into /" + std::to_string(c.Length));
    EXPECT_EQ(Row(Rows(c.Parent, c.Length), c.Row, static_cast<int>(c.Texts.size())), c.Texts);
  }
}

TEST(SplitRows, HeadingsLastRowAndWidestTextsFollowTheSplit) {
  EXPECT_EQ(SplitRows::Headings(AddressFamily::V4),
            (std::vector<std::string>{"#", "Subnet", "First Address", "Last Address", "Broadcast", "Host Range"}));
  EXPECT_EQ(SplitRows::Headings(AddressFamily::V6).size(), 4u);
  EXPECT_EQ(Rows("10.0.0.0/8", 24).LastRow(), U128{65535});
  EXPECT_EQ(Rows("::/0", 128).LastRow(), ~U128{0});
  EXPECT_EQ(Rows("2001:db8::/32", 32).LastRow(), U128{0});
  EXPECT_EQ(Rows("10.0.0.0/8", 24).WidestTexts(1), (std::vector<std::string>{"10.0.0.0/24", "10.255.255.0/24"}));
}

TEST(GroupThousands, CommasEveryThreeDigitsFromTheRight) {
  const std::pair<const char*, const char*> cases[] = {
      {"1", "1"}, {"256", "256"}, {"1024", "1,024"}, {"4294967296", "4,294,967,296"}, {"100000", "100,000"}};
  for (const auto& [digits, grouped] : cases) EXPECT_EQ(GroupThousands(digits), grouped);
}
}  // namespace
