// SPDX-License-Identifier: MIT
#include "controls/RangeRules.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();

TEST(RangeRulesTest, LargeRangesAreConfirmedAndHugeOnesRefused) {
  struct Case {
    TRowRange Range;
    bool Confirm;
    bool Refuse;
  };
  for (const Case& c : {Case{{0, 15000}, false, false}, Case{{0, 15001}, true, false},
                        Case{{7, 7}, false, false}, Case{{0, 4194303}, true, false},
                        Case{{0, 4194304}, true, true}, Case{{0, Max32}, true, true},
                        Case{{Max32 - 4194303, Max32}, true, false}}) {
    EXPECT_EQ(RangeNeedsConfirmation(c.Range), c.Confirm) << c.Range.From << ".." << c.Range.To;
    EXPECT_EQ(RangeTooLarge(c.Range), c.Refuse) << c.Range.From << ".." << c.Range.To;
  }
}
}  // namespace
