// SPDX-License-Identifier: MIT
#include "subnet/SubnetTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "subnet/SubnetMath.h"

namespace {
std::string Text(const TSubnetTableRows& rows, std::uint32_t row, int column) {
  std::string text;
  rows.AppendText(row, column, text);
  return text;
}

TEST(SubnetTable, BoundsAndHintFollowTheOneBitOption) {
  struct Case {
    int SubnetBits;
    bool Option;
    const char* Hint;
  };
  const Case cases[] = {
      {8, true, "Enter a number between 0 and 255"},
      {22, true, "Enter a number between 0 and 4194303"},
      {2, false, "Enter a number between 1 and 2"},
      {1, true, "Enter a number between 0 and 1"},
  };
  for (const Case& c : cases) EXPECT_EQ(SubnetNumberHint(SubnetNumberBounds(c.SubnetBits, c.Option)), c.Hint);
}

TEST(SubnetTable, RowsReachTheEndOfTheClassNetwork) {
  struct Case {
    TSubnetTableInputs Inputs;
    int Skip;  // rows to pass over before the one checked
    const char* Number;
    const char* ID;
    const char* Range;
    const char* Broadcast;
  };
  const Case cases[] = {
      {{0x0A000000, 2, 1, 4194302}, 1, "2", "10.0.0.8", "10.0.0.9 - 10.0.0.10", "10.0.0.11"},
      {{0x0A000000, 2, 1, 4194302}, 63, "64", "10.0.1.0", "10.0.1.1 - 10.0.1.2", "10.0.1.3"},
      {{0x0A000000, 2, 4194303, 4194303}, 0, "4194303", "10.255.255.252", "10.255.255.253 - 10.255.255.254",
       "10.255.255.255"},
      {{0xDFFFFF00, 2, 62, 63}, 1, "63", "223.255.255.252", "223.255.255.253 - 223.255.255.254", "223.255.255.255"},
      {{0x7E000000, 9, 32767, 32767}, 0, "32767", "126.255.254.0", "126.255.254.1 - 126.255.255.254",
       "126.255.255.255"},
  };
  for (const Case& c : cases) {
    const TSubnetTableRows rows(c.Inputs);
    const auto row = static_cast<std::uint32_t>(c.Skip);
    EXPECT_EQ(Text(rows, row, 0), c.Number);
    EXPECT_EQ(Text(rows, row, 1), c.ID);
    EXPECT_EQ(Text(rows, row, 2), c.Range);
    EXPECT_EQ(Text(rows, row, 3), c.Broadcast);
  }
}

// Row after row, across numbers gaining a digit and subnets crossing octets;
// no text of a column is longer than the widest the rows name for it.
TEST(SubnetTable, EveryRowMatchesItsSubnetAndFitsTheWidest) {
  struct Case {
    std::uint32_t Network;
    int HostBits;
    std::int32_t From;
    std::int32_t To;
  };
  const Case cases[] = {{0x0A000000, 0, 95, 1195},  {0x0A000000, 1, 95, 1195},  {0x0A000000, 2, 95, 1195},
                        {0x0A000000, 7, 95, 1195},  {0x0A000000, 8, 95, 1195},  {0x0A000000, 9, 95, 1195},
                        {0x0A000000, 12, 95, 1195}, {0x0A000000, 2, 20, 30},    {0x80000000, 4, 5, 4000},
                        {0xC0A80000, 2, 0, 3},      {0xC0A80000, 8, 30, 70},    {0x0A000000, 16, 90, 120}};
  for (const Case& c : cases) {
    const TSubnetTableRows rows({c.Network, c.HostBits, c.From, c.To});
    std::size_t longest[TSubnetTableRows::Columns] = {};
    for (std::int64_t n = c.From; n <= c.To; ++n) {
      const auto row = static_cast<std::uint32_t>(n - c.From);
      const std::uint32_t id = c.Network + static_cast<std::uint32_t>(n << c.HostBits);
      const std::uint32_t broadcast = id + (1u << c.HostBits) - 1;
      const std::string texts[] = {std::to_string(n), FormatDottedDecimal(id),
                                   FormatDottedDecimal(id + 1) + " - " + FormatDottedDecimal(broadcast - 1),
                                   FormatDottedDecimal(broadcast)};
      for (int column = 0; column < TSubnetTableRows::Columns; ++column) {
        ASSERT_EQ(Text(rows, row, column), texts[column]) << c.HostBits << " " << n;
        longest[column] = std::max(longest[column], texts[column].size());
      }
    }
    for (int column = 0; column < TSubnetTableRows::Columns; ++column) {
      std::size_t widest = 0;
      for (const std::string& text : rows.WidestTexts(column)) widest = std::max(widest, text.size());
      EXPECT_GE(widest, longest[column]) << c.Network << " " << c.HostBits << " " << column;
      EXPECT_LE(widest, longest[column] + 3) << c.Network << " " << c.HostBits << " " << column;
    }
  }
}

}  // namespace
