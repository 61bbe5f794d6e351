// SPDX-License-Identifier: MIT
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

// A text's bytes with every digit replaced by '0', and its length. Texts up
// to MaxLength bytes have one; longer ones and the empty text have none.
struct TTextShape {
  static constexpr std::size_t MaxLength = 32;
  std::array<std::uint64_t, MaxLength / 8> Words{};
  std::size_t Length = 0;

  static TTextShape Of(std::string_view utf8);
  bool Exists() const { return Length != 0; }
  // Whether `utf8` has this shape; quicker than building its shape.
  bool Fits(std::string_view utf8) const;
  std::uint64_t Hash() const;
  bool operator==(const TTextShape& other) const {
    std::uint64_t differ = Length ^ other.Length;
    for (std::size_t word = 0; word < Words.size(); ++word) differ |= Words[word] ^ other.Words[word];
    return differ == 0;
  }
};

// Values by shape, for a few thousand shapes at most.
template <typename T>
class TShapeMap {
 public:
  // The value of `shape`, or null.
  const T* Find(const TTextShape& shape) const {
    const TSlot& slot = Slots[SlotOf(Slots, shape)];
    return slot.Shape.Exists() ? &slot.Value : nullptr;
  }
  // `shape` exists and is not in the map yet.
  void Insert(const TTextShape& shape, const T& value) {
    if (++Count * 2 > Slots.size()) {
      std::vector<TSlot> grown(Slots.size() * 2);
      for (const TSlot& kept : Slots)
        if (kept.Shape.Exists()) grown[SlotOf(grown, kept.Shape)] = kept;
      Slots.swap(grown);
    }
    Slots[SlotOf(Slots, shape)] = {shape, value};
  }

 private:
  struct TSlot {
    TTextShape Shape;
    T Value{};
  };
  // Open addressing; the size a power of two, at most half full.
  static std::size_t SlotOf(const std::vector<TSlot>& table, const TTextShape& shape) {
    const std::uint64_t hash = shape.Hash();
    const std::size_t mask = table.size() - 1;
    std::size_t i = (hash ^ hash >> 29) & mask;
    while (table[i].Shape.Exists() && !(table[i].Shape == shape)) i = (i + 1) & mask;
    return i;
  }
  std::vector<TSlot> Slots = std::vector<TSlot>(64);
  std::size_t Count = 0;
};

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

  // Whether every text of this one's shape is as wide as this one: it is
  // summed from pairs, and the digits lay out alike next to each of its
  // characters. Once they do not, no shape decides a width any more.
  bool WidthFollowsShape(std::string_view utf8);
  int SummedWidth(std::string_view utf8);
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
  bool DigitsDiffer = false;
  std::bitset<Count + 1> CheckedAgainstDigits;  // index 0: the start of a text
  // The last text's shape and width: neighbouring cells mostly share one.
  TTextShape LastShape;
  int LastWidth = 0;
  TShapeMap<int> Widths;
};
