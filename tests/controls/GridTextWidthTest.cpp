// SPDX-License-Identifier: MIT
#include "controls/GridTextWidth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {
// A made-up proportional font, in 1/64 pixels: fractional advances, pair
// kerning, an "fi" ligature that kerns with what follows differently from the
// "i" alone, and a non-ASCII character (the UTF-8 "é") that narrows whatever
// stands before it, which no pair of ASCII characters can show.
struct TFakeFont {
  // Which glyph, if any, kerns with the digit 1 alone.
  enum class TDigitKerning { None, AfterDot, AfterLigature };

  bool TabularDigits = false;  // every digit advances alike
  TDigitKerning DigitKerning = TDigitKerning::None;

  struct TGlyph {
    std::string Name;
    std::int64_t Advance;
  };

  std::vector<TGlyph> Shape(std::string_view text) const {
    std::vector<TGlyph> glyphs;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text.compare(i, 2, "fi") == 0) {
        glyphs.push_back({"fi", 500});
        ++i;
      } else if (text.compare(i, 2, "\xC3\xA9") == 0) {
        if (!glyphs.empty()) glyphs.back().Advance -= 40;
        glyphs.push_back({"e", 420});
        ++i;
      } else {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const bool tabular = TabularDigits && c >= '0' && c <= '9';
        glyphs.push_back({std::string(1, text[i]), tabular ? 300 : 200 + (c * 37) % 300 + (c % 3 == 0 ? 32 : 0)});
      }
    }
    return glyphs;
  }

  std::int64_t Kerning(const std::string& left, const std::string& right) const {
    if (right == "1" && left == (DigitKerning == TDigitKerning::AfterDot ? "." : "fi") &&
        DigitKerning != TDigitKerning::None)
      return -25;
    if (left == "A" && right == "V") return -90;
    if (left == "T" && right == "o") return -70;
    if (left == "fi" && right == "T") return -50;
    if (left == "i" && right == "T") return 20;
    return 0;
  }

  std::int64_t Measure(std::string_view text) const {
    const std::vector<TGlyph> glyphs = Shape(text);
    std::int64_t width = 0;
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
      width += glyphs[i].Advance;
      if (i > 0) width += Kerning(glyphs[i - 1].Name, glyphs[i].Name);
    }
    return width;
  }

  static int Rounded(std::int64_t sixtyFourths) { return static_cast<int>((sixtyFourths + 32) / 64); }
};

TTextWidthCache CacheFor(const TFakeFont& font, std::vector<std::string>* measured = nullptr) {
  return TTextWidthCache(
      [&font, measured](std::string_view text) {
        if (measured) measured->emplace_back(text);
        return font.Measure(text);
      },
      [&font](std::string_view text) { return font.Shape(text).size(); });
}

TEST(GridTextWidth, EqualsMeasuringTheWholeText) {
  const TFakeFont font;
  TTextWidthCache cache = CacheFor(font);
  const char* samples[] = {"",           "A",         "AVATAR",      "To fix Tofu", "fiTfi", "ifi iT",
                           "10.0.0.4",   "Subnet ID", "caf\xC3\xA9", "\xC3\xA9t\xC3\xA9",   "   ",
                           "~!@#$%^&*()"};
  for (const char* sample : samples)
    EXPECT_EQ(cache.Width(sample), TFakeFont::Rounded(font.Measure(sample))) << sample;
  std::mt19937 random(3);
  for (int i = 0; i < 20000; ++i) {
    std::string text(1 + random() % 40, ' ');
    for (char& c : text) c = static_cast<char>(0x20 + random() % 95);
    if (i % 4 == 0) text += "fiT";
    ASSERT_EQ(cache.Width(text), TFakeFont::Rounded(font.Measure(text))) << text;
  }
}

TEST(GridTextWidth, TextsOfOneShapeMatchTheirOwnMeasure) {
  // Texts that differ only in their digits share a width only while the font
  // lays the digits out alike next to every character around them.
  using Kerning = TFakeFont::TDigitKerning;
  for (Kerning kerning : {Kerning::None, Kerning::AfterDot, Kerning::AfterLigature}) {
    TFakeFont font;
    font.TabularDigits = true;
    font.DigitKerning = kerning;
    TTextWidthCache cache = CacheFor(font);
    // Each pair shares a shape; the second ends in the kerned "1".
    for (const char* text : {"fi2", "fi1", "2.2", "2.1", "10.0.0.8", "10.0.0.1", "T2 - 2.2", "T2 - 2.1"})
      EXPECT_EQ(cache.Width(text), TFakeFont::Rounded(font.Measure(text))) << text;
    std::mt19937 random(5);
    const std::string alphabet = "0123456789. -fiTAV";
    for (int i = 0; i < 20000; ++i) {
      std::string text(1 + random() % 16, ' ');
      for (char& c : text) c = alphabet[random() % alphabet.size()];
      ASSERT_EQ(cache.Width(text), TFakeFont::Rounded(font.Measure(text))) << text;
    }
  }
}

TEST(GridTextWidth, RoundsTheSumOnceNotEachCharacter) {
  // 'c' (99) advances 200 + 3663 % 300 + 32 = 295/64 pixels, about 4.61;
  // rounding each would give 5 + 5 + 5.
  const TFakeFont font;
  TTextWidthCache cache = CacheFor(font);
  EXPECT_EQ(cache.Width("ccc"), 14);
}

TEST(GridTextWidth, MeasuresOnlyCharactersAndPairsOfPlainText) {
  const TFakeFont font;
  std::vector<std::string> measured;
  TTextWidthCache cache = CacheFor(font, &measured);
  for (int n = 0; n < 5000; ++n) cache.Width("10.0." + std::to_string(n / 256) + "." + std::to_string(n % 256));
  // The digits and the dot: 11 characters, at most 121 pairs.
  EXPECT_LE(cache.Measurements(), 11u + 121u);
  for (const std::string& text : measured) EXPECT_LE(text.size(), 2u) << text;
}

TEST(GridTextWidth, MeasuresLigaturesAndOtherCharactersWhole) {
  const TFakeFont font;
  std::vector<std::string> measured;
  TTextWidthCache cache = CacheFor(font, &measured);
  for (const char* text : {"office", "caf\xC3\xA9"}) {
    measured.clear();
    cache.Width(text);
    ASSERT_FALSE(measured.empty()) << text;
    EXPECT_EQ(measured.back(), text);
  }
}
}  // namespace
