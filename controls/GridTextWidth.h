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
//
// Tables of numbers repeat a few shapes: when the font lays out the ten
// digits alike (the same advance, the same kerning with every character met
// so far), texts that differ only in their digits are equally wide, and the
// width of each shape is summed once.
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

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

  // Texts up to this long are looked up by shape.
  static constexpr std::size_t MaxShapeLength = 32;

  // A text's bytes with every digit replaced by '0', and its length.
  struct TShape {
    std::array<std::uint64_t, MaxShapeLength / 8> Words{};
    std::size_t Length = 0;  // 0: a free slot
    int Width = 0;
    bool operator==(const TShape& other) const {
      std::uint64_t differ = Length ^ other.Length;
      for (std::size_t word = 0; word < Words.size(); ++word) differ |= Words[word] ^ other.Words[word];
      return differ == 0;
    }
  };

  int SummedWidth(std::string_view utf8);
  int MeasuredWhole(std::string_view utf8);
  std::int64_t Measure(std::string_view utf8);
  std::int32_t Step(int previous, int current);
  // Whether every text of this one's shape is as wide: it is summed from
  // pairs, and the digits lay out alike next to each of its characters (once
  // they do not, DigitsDiffer is set for good).
  bool ShapeDecidesWidth(std::string_view utf8);
  TShape& ShapeSlot(const TShape& shape);

  TMeasure Measurer;
  TCountGlyphs GlyphCounter;
  std::size_t MeasureCount = 0;
  std::array<std::int64_t, Count> Single;  // Unknown, or Joined for a character of several glyphs
  // Steps[(previous + 1) * Count + current]: the advance that `current` adds
  // after `previous` (index -1: at the start of the text).
  std::array<std::int32_t, (Count + 1) * Count> Steps;
  bool DigitsDiffer = false;
  std::bitset<Count + 1> CheckedAgainstDigits;  // index 0: the start of a text
  // The shape of the last text measured: neighbouring cells mostly share one.
  TShape LastShape;
  // Open addressing; the size a power of two, at most half full.
  std::vector<TShape> Shapes = std::vector<TShape>(64);
  std::size_t ShapeCount = 0;
};
