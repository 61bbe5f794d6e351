// SPDX-License-Identifier: MIT
#include "latency/RainbowStripes.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

TEST(RainbowStripesTest, HeightsRoundHalvesToEven) {
  struct TCase {
    int Height;
    std::vector<float> Proportions;
    std::vector<int> Expected;
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const std::vector<TCase> cases{
      {223, {0.2f, 0.2f, 0.2f, 0.2f, 0.2f}, {45, 45, 45, 45, 45}},  // 44.6: the rest stays background
      {5, {0.5f, 0.5f}, {2, 2}},                                    // 2.5 goes down to 2
      {7, {0.5f, 0.5f}, {4, 4}},                                    // 3.5 goes up to 4
      {100, {0, 0.0117f, 0.98f, 0, 0.0083f}, {0, 1, 98, 0, 1}},
      {100, {nan, 1e30f, 0.25f}, {0, 0, 25}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Height);
    EXPECT_EQ(StripeHeights(c.Height, c.Proportions), c.Expected);
  }
}

TEST(RainbowStripesTest, PaletteStartsRedAndEndsWhite) {
  EXPECT_EQ(RainbowPalette()[0].Name, "Red");
  EXPECT_EQ(RainbowPalette()[4].Red, 128);
  EXPECT_EQ(RainbowPalette()[12].Green, 192);
  EXPECT_EQ(RainbowPalette()[15].Name, "White");
}

}  // namespace
