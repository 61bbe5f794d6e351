// SPDX-License-Identifier: MIT
#include "latency/RainbowStripes.h"

#include <cmath>

const std::array<TRainbowColour, MaxStripes>& RainbowPalette() {
  static constexpr std::array<TRainbowColour, MaxStripes> palette{{
      {255, 0, 0, "Red"},       {255, 255, 0, "Yellow"},  {0, 255, 0, "Lime"},     {0, 0, 255, "Blue"},
      {128, 0, 128, "Purple"},  {0, 0, 0, "Black"},       {128, 0, 0, "Maroon"},   {0, 128, 0, "Green"},
      {128, 128, 0, "Olive"},   {0, 0, 128, "Navy"},      {0, 128, 128, "Teal"},   {128, 128, 128, "Gray"},
      {192, 192, 192, "Silver"}, {255, 0, 255, "Fuchsia"}, {0, 255, 255, "Aqua"},  {255, 255, 255, "White"},
  }};
  return palette;
}

std::vector<int> StripeHeights(int innerHeight, std::span<const float> proportions) {
  std::vector<int> heights;
  heights.reserve(proportions.size());
  // The default rounding mode sends halves to the even neighbour.
  for (float p : proportions) {
    const double h = std::nearbyint(innerHeight * double(p));
    // A proportion of no meaning (not finite, or absurdly large) gives no stripe.
    heights.push_back(std::isfinite(h) && std::abs(h) <= 1e9 ? static_cast<int>(h) : 0);
  }
  return heights;
}
