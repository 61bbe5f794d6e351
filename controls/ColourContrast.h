// SPDX-License-Identifier: MIT
#pragma once
// Contrast of text colours against their background, as the accessibility
// guidelines measure it, and a colour of the same hue made readable on a dark
// background.
#include <cstdint>

struct TRgb {
  std::uint8_t Red, Green, Blue;
  bool operator==(const TRgb&) const = default;
};

// 0 for black to 1 for white, by the eye's weighting of the sRGB channels.
double RelativeLuminance(TRgb colour);
// From 1 (the same) to 21 (black on white).
double ContrastRatio(TRgb a, TRgb b);
bool IsDarkBackground(TRgb background);

// The colour itself on a light background, where the program's colours were
// chosen; on a dark one, the colour of the same hue and saturation, only as
// much lighter as it takes to reach `minimum` contrast.
TRgb ReadableOn(TRgb colour, TRgb background, double minimum = 4.5);
