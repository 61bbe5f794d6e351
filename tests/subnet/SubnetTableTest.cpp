// SPDX-License-Identifier: MIT
#include "subnet/SubnetTable.h"

#include <gtest/gtest.h>

#include <string>

#include "subnet/SubnetMath.h"

namespace {

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
    TSubnetTableRows rows(c.Inputs);
    for (int i = 0; i < c.Skip; ++i) rows.Next();
    EXPECT_EQ(rows.Number(), c.Number);
    EXPECT_EQ(rows.SubnetID(), c.ID);
    EXPECT_EQ(rows.HostRange(), c.Range);
    EXPECT_EQ(rows.Broadcast(), c.Broadcast);
  }
}

// Row after row, across numbers gaining a digit and subnets crossing octets.
TEST(SubnetTable, EveryRowMatchesItsSubnet) {
  for (const int hostBits : {0, 1, 2, 7, 8, 9, 12}) {
    const TSubnetTableInputs inputs{0x0A000000, hostBits, 95, 95 + 1100};
    TSubnetTableRows rows(inputs);
    for (std::int64_t n = inputs.From; n <= inputs.To; ++n, rows.Next()) {
      const std::uint32_t id = 0x0A000000 + static_cast<std::uint32_t>(n << hostBits);
      const std::uint32_t broadcast = id + (1u << hostBits) - 1;
      ASSERT_EQ(rows.Number(), std::to_string(n)) << hostBits;
      ASSERT_EQ(rows.SubnetID(), FormatDottedDecimal(id)) << n;
      ASSERT_EQ(rows.HostRange(), FormatDottedDecimal(id + 1) + " - " + FormatDottedDecimal(broadcast - 1)) << n;
      ASSERT_EQ(rows.Broadcast(), FormatDottedDecimal(broadcast)) << n;
    }
  }
}

}  // namespace
