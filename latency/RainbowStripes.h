// SPDX-License-Identifier: MIT
#pragma once
// The stripes of a rainbow bar: their colours in order and their heights.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

inline constexpr int MaxStripes = 16;

struct TRainbowColour {
  std::uint8_t Red;
  std::uint8_t Green;
  std::uint8_t Blue;
  std::string_view Name;  // "Red", "Yellow"...
};

// Stripe i of every bar and legend row i share colour i.
const std::array<TRainbowColour, MaxStripes>& RainbowPalette();

// The heights of stripes stacked from the top of a bar `innerHeight` pixels
// high: each its proportion of the height, rounded to the nearest pixel with
// halves going to the even neighbour.
std::vector<int> StripeHeights(int innerHeight, std::span<const float> proportions);
