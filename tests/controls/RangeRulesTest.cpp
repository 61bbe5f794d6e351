#include "controls/RangeRules.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
constexpr std::int32_t Max32 = std::numeric_limits<std::int32_t>::max();

TEST(RangeRulesTest, TheEndThatDidNotChangeFollows) {
  struct Case {
    TRowRange Range;
    TRangeEnd Changed;
    TRowRange Expected;
  };
  for (const Case& c : {Case{{40, 31}, TRangeEnd::From, {40, 40}}, Case{{20, 10}, TRangeEnd::To, {10, 10}},
                        Case{{20, 10}, TRangeEnd::None, {20, 10}}, Case{{5, 9}, TRangeEnd::From, {5, 9}},
                        Case{{5, 9}, TRangeEnd::To, {5, 9}}}) {
    const TRowRange ordered = OrderRange(c.Range, c.Changed);
    EXPECT_EQ(ordered.From, c.Expected.From) << c.Range.From << ".." << c.Range.To;
    EXPECT_EQ(ordered.To, c.Expected.To) << c.Range.From << ".." << c.Range.To;
  }
}

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
