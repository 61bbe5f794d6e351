// SPDX-License-Identifier: MIT
#include "radix/BitHistory.h"

#include <gtest/gtest.h>

namespace {
TEST(BitHistoryTest, KeepsTheLastFiftyNewestFirst) {
  BitHistory history;
  for (std::uint64_t i = 1; i <= 60; ++i) history.Add({i, {32, false}, "typed"});
  ASSERT_EQ(history.Entries().size(), BitHistory::Capacity);
  EXPECT_EQ(history.Entries().front().Bits, 60u);
  EXPECT_EQ(history.Entries().back().Bits, 11u);
  history.Add({60, {32, false}, "NOT twice"});  // the same word again: only how it was made changes
  EXPECT_EQ(history.Entries().front().How, "NOT twice");
  EXPECT_EQ(history.Entries()[1].Bits, 59u);
  history.Add({60, {32, true}, "signed"});
  EXPECT_EQ(history.Entries()[1].Bits, 60u);
}

TEST(BitHistoryTest, ReadsBackWhatItSavedAndSkipsDamagedLines) {
  BitHistory history;
  history.Add({0xDEADBEEF, {32, false}, "pasted in hexadecimal"});
  history.Add({0xFF, {8, true}, "typed\nin decimal"});
  history.Add({~std::uint64_t{0}, {64, false}, ""});
  const std::string saved = history.Save();
  EXPECT_EQ(saved, "64 u FFFFFFFFFFFFFFFF \n8 s FF typed in decimal\n32 u DEADBEEF pasted in hexadecimal\n");
  EXPECT_EQ(BitHistory::Load(saved).Entries(), history.Entries());

  const BitHistory damaged = BitHistory::Load(
      "12 u FF bad width\n8 x FF bad sign\n8 u 1FF too large\n8 u\n\n16 s ABCD good\r\n8 u ZZ not hex\n");
  ASSERT_EQ(damaged.Entries().size(), 1u);
  EXPECT_EQ(damaged.Entries()[0], (BitHistoryEntry{0xABCD, {16, true}, "good"}));
}
}  // namespace
