#pragma once
// Pixel widths of many texts in one font from a handful of measurements.
//
// A font lays out a run of printable ASCII characters as one glyph per
// character: each glyph advances by its own width, corrected by the font's
// kerning with the glyph before it. So the width of "c0 c1 ... cn" is W(c0)
// plus the sum of W(c[i-1] c[i]) - W(c[i-1]), where W measures one- and
// two-character texts, and only these are measured. Widths are summed in
// 1/64 pixels, the unit of the font's own layout, and rounded once, as the
// font rounds the width of the whole text; the result is then identical to
// measuring the text itself. Where that model does not hold the text is
// measured whole: a pair that the font joins into a ligature (its glyphs
// then kern with their neighbours differently), and characters outside
// printable ASCII, where shaping may span more than two of them.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

class TTextWidthCache {
 public:
  // Measures a UTF-8 text in the font, in 1/64 pixels.
  using TMeasure = std::function<std::int64_t(std::string_view utf8)>;
  // The number of glyphs the font lays the text out in.
  using TCountGlyphs = std::function<std::size_t(std::string_view utf8)>;

  TTextWidthCache(TMeasure measure, TCountGlyphs countGlyphs);

  // The width in whole pixels, rounded half up.
  int Width(std::string_view utf8);

  // How many texts have been measured so far.
  std::size_t Measurements() const { return MeasureCount; }

 private:
  static constexpr int First = 0x20;
  static constexpr int Count = 0x7F - First;  // printable ASCII
  static constexpr std::int32_t Unknown = INT32_MIN;
  static constexpr std::int32_t Joined = INT32_MIN + 1;  // measure texts with this pair whole

  int MeasuredWhole(std::string_view utf8);
  std::int64_t Measure(std::string_view utf8);
  std::int32_t Step(int previous, int current);

  TMeasure Measurer;
  TCountGlyphs GlyphCounter;
  std::size_t MeasureCount = 0;
  std::array<std::int64_t, Count> Single;  // Unknown, or Joined for a character of several glyphs
  // Steps[(previous + 1) * Count + current]: the advance that `current` adds
  // after `previous` (index -1: at the start of the text).
  std::array<std::int32_t, (Count + 1) * Count> Steps;
};
