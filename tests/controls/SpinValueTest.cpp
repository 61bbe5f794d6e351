// SPDX-License-Identifier: MIT
#include "controls/SpinValue.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();

TEST(SpinValueTest, TypedTextReadsAsANumber) {
  struct Case {
    const char* Text;
    std::int32_t Expected;
  };
  for (const Case& c : {Case{"42", 42}, Case{"-42", -42}, Case{"12-3", 123}, Case{"--5", -5}, Case{"7-", 7},
                        Case{"abc", 0}, Case{"-", 0}, Case{"1a", 0}, Case{" 5", 0}, Case{"2147483647", Max},
                        Case{"-2147483648", Min}, Case{"2147483648", 0}, Case{"-2147483649", 0}}) {
    EXPECT_EQ(ReadSpinText(c.Text), c.Expected) << c.Text;
  }
}
}  // namespace
