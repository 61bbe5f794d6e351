// SPDX-License-Identifier: MIT
#include "controls/ColourContrast.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {
// The hue in degrees, from the largest and smallest channels.
double Hue(TRgb c) {
  const double r = c.Red, g = c.Green, b = c.Blue;
  const double high = std::max({r, g, b}), low = std::min({r, g, b});
  if (high == low) return 0;
  const double d = high - low;
  const double h = high == r ? std::fmod((g - b) / d + 6, 6) : high == g ? (b - r) / d + 2 : (r - g) / d + 4;
  return h * 60;
}

TEST(ColourContrast, Ratios) {
  EXPECT_NEAR(ContrastRatio({0, 0, 0}, {255, 255, 255}), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio({119, 119, 119}, {255, 255, 255}), 4.48, 0.01);
  EXPECT_DOUBLE_EQ(ContrastRatio({0, 0, 128}, {53, 53, 53}), ContrastRatio({53, 53, 53}, {0, 0, 128}));
}

TEST(ColourContrast, DarkBackgroundsLightenTheColourKeepingItsHue) {
  const TRgb backgrounds[] = {{53, 53, 53}, {0, 0, 0}, {42, 46, 50}, {30, 30, 46}};
  const TRgb colours[] = {{0, 0, 128}, {128, 0, 0}, {0, 128, 0}, {128, 128, 128}, {0, 0, 0}};
  for (const TRgb background : backgrounds) {
    ASSERT_TRUE(IsDarkBackground(background));
    for (const TRgb colour : colours) {
      const TRgb readable = ReadableOn(colour, background);
      SCOPED_TRACE(testing::Message() << int(colour.Red) << "," << int(colour.Green) << "," << int(colour.Blue)
                                      << " on " << int(background.Red) << "," << int(background.Green) << ","
                                      << int(background.Blue));
      EXPECT_GE(ContrastRatio(readable, background), 4.5);
      if (ContrastRatio(colour, background) < 4.5) {
        EXPECT_LT(ContrastRatio(readable, background), 4.7) << "lightened more than needed";
      } else {
        EXPECT_EQ(readable, colour);
      }
      if (colour.Red != colour.Green || colour.Green != colour.Blue) {
        EXPECT_NEAR(Hue(readable), Hue(colour), 2.0);
      }
    }
  }
}

TEST(ColourContrast, LightBackgroundsAndReadableColoursAreKept) {
  EXPECT_EQ(ReadableOn({0, 128, 0}, {240, 240, 240}), (TRgb{0, 128, 0}));
  EXPECT_EQ(ReadableOn({0, 0, 128}, {255, 255, 255}), (TRgb{0, 0, 128}));
  EXPECT_EQ(ReadableOn({255, 200, 0}, {20, 20, 20}), (TRgb{255, 200, 0}));
}
}  // namespace
