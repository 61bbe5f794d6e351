// SPDX-License-Identifier: MIT
#include "controls/ColourContrast.h"

#include <algorithm>
#include <cmath>

namespace {
double Linear(std::uint8_t channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

struct THsl {
  double Hue, Saturation, Lightness;  // hue in [0, 6), the others in [0, 1]
};

THsl ToHsl(TRgb colour) {
  const double r = colour.Red / 255.0, g = colour.Green / 255.0, b = colour.Blue / 255.0;
  const double high = std::max({r, g, b}), low = std::min({r, g, b});
  const double lightness = (high + low) / 2;
  const double chroma = high - low;
  if (chroma == 0) return {0, 0, lightness};
  double hue = high == r ? std::fmod((g - b) / chroma + 6, 6) : high == g ? (b - r) / chroma + 2 : (r - g) / chroma + 4;
  return {hue, chroma / (1 - std::abs(2 * lightness - 1)), lightness};
}

TRgb FromHsl(const THsl& hsl) {
  const double chroma = (1 - std::abs(2 * hsl.Lightness - 1)) * hsl.Saturation;
  const double x = chroma * (1 - std::abs(std::fmod(hsl.Hue, 2) - 1));
  const double m = hsl.Lightness - chroma / 2;
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(hsl.Hue)) {
    case 0: r = chroma, g = x; break;
    case 1: r = x, g = chroma; break;
    case 2: g = chroma, b = x; break;
    case 3: g = x, b = chroma; break;
    case 4: r = x, b = chroma; break;
    default: r = chroma, b = x; break;
  }
  const auto channel = [m](double v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v + m, 0.0, 1.0) * 255)); };
  return {channel(r), channel(g), channel(b)};
}
}  // namespace

double RelativeLuminance(TRgb colour) {
  return 0.2126 * Linear(colour.Red) + 0.7152 * Linear(colour.Green) + 0.0722 * Linear(colour.Blue);
}

double ContrastRatio(TRgb a, TRgb b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Below this luminance, black text would contrast less than white text does.
bool IsDarkBackground(TRgb background) { return RelativeLuminance(background) < 0.18; }

TRgb ReadableOn(TRgb colour, TRgb background, double minimum) {
  if (!IsDarkBackground(background) || ContrastRatio(colour, background) >= minimum) return colour;
  THsl hsl = ToHsl(colour);
  // Contrast grows with lightness on a dark background: find the least lightness that is enough.
  double low = hsl.Lightness, high = 1;
  for (int step = 0; step < 20; ++step) {
    hsl.Lightness = (low + high) / 2;
    (ContrastRatio(FromHsl(hsl), background) >= minimum ? high : low) = hsl.Lightness;
  }
  hsl.Lightness = high;
  return FromHsl(hsl);
}
