// SPDX-License-Identifier: MIT
#include "controls/GridTextWidth.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>
#include <utility>

namespace {
// Longer texts are measured whole, so a layout that treats long runs
// differently can never make a sum of parts wrong.
constexpr std::size_t MaxSummedLength = 256;

int RoundedPixels(std::int64_t sixtyFourths) { return static_cast<int>((sixtyFourths + 32) >> 6); }

constexpr std::uint64_t EveryByte(std::uint8_t byte) { return 0x0101010101010101ull * byte; }

// The text's bytes from `offset` on, at most eight, the first in the lowest
// byte, zero beyond the text. Read as whole words where the text allows:
// bytes copied one by one and read back as a word stall the processor.
[[gnu::always_inline]] inline std::uint64_t LoadWord(std::string_view text, std::size_t offset) {
  const std::size_t left = text.size() - offset;
  std::uint64_t word = 0;
  if constexpr (std::endian::native == std::endian::little) {
    if (left >= 8) {
      std::memcpy(&word, text.data() + offset, 8);
      return word;
    }
    if (text.size() >= 8) {
      std::memcpy(&word, text.data() + text.size() - 8, 8);
      return word >> (8 * (8 - left));
    }
  }
  for (std::size_t i = 0; i < std::min<std::size_t>(left, 8); ++i)
    word |= std::uint64_t{static_cast<unsigned char>(text[offset + i])} << (8 * i);
  return word;
}

// Replaces every byte '0' to '9' of eight bytes by '0'.
std::uint64_t ZeroDigits(std::uint64_t bytes) {
  const std::uint64_t offset = bytes ^ EveryByte('0');  // digits become 0 to 9
  const std::uint64_t high = EveryByte(0x80);
  // 0x80 in each byte below 10: its high bit clear, and no borrow from 0x80 | byte minus 10.
  const std::uint64_t digits = ~offset & ~((offset | high) - EveryByte(10)) & high;
  return (bytes & ~((digits >> 7) * 0xFF)) | ((digits >> 7) * '0');
}
}  // namespace

TTextShape TTextShape::Of(std::string_view utf8) {
  TTextShape shape;
  if (utf8.size() > MaxLength) return shape;
  shape.Length = utf8.size();
  for (std::size_t word = 0; word * 8 < utf8.size(); ++word) shape.Words[word] = ZeroDigits(LoadWord(utf8, word * 8));
  return shape;
}

bool TTextShape::Fits(std::string_view utf8) const {
  if (utf8.size() != Length || !Exists()) return false;
  std::uint64_t differ = 0;
  for (std::size_t word = 0; word * 8 < utf8.size(); ++word) differ |= ZeroDigits(LoadWord(utf8, word * 8)) ^ Words[word];
  return differ == 0;
}

std::uint64_t TTextShape::Hash() const {
  std::uint64_t hash = Length;
  for (const std::uint64_t word : Words) hash = (hash ^ word) * 0x9E3779B97F4A7C15ull;
  return hash;
}

TTextWidthCache::TTextWidthCache(TMeasure measure, TCountGlyphs countGlyphs)
    : Measurer(std::move(measure)), GlyphCounter(std::move(countGlyphs)) {
  Single.fill(Unknown);
  Steps.fill(Unknown);
}

std::int64_t TTextWidthCache::Measure(std::string_view utf8) {
  ++MeasureCount;
  return Measurer(utf8);
}

int TTextWidthCache::MeasuredWhole(std::string_view utf8) { return RoundedPixels(Measure(utf8)); }

std::int32_t TTextWidthCache::Step(int previous, int current) {
  std::int32_t& step = Steps[static_cast<std::size_t>((previous + 1) * Count + current)];
  if (step != Unknown) return step;
  auto single = [this](int index) {
    std::int64_t& width = Single[static_cast<std::size_t>(index)];
    if (width == Unknown) {
      const char text = static_cast<char>(First + index);
      const std::string_view one(&text, 1);
      width = GlyphCounter(one) == 1 ? Measure(one) : Joined;
    }
    return width;
  };
  if (previous < 0) {
    const std::int64_t width = single(current);
    step = width == Joined ? Joined : static_cast<std::int32_t>(width);
    return step;
  }
  const std::int64_t before = single(previous);
  const char pair[2] = {static_cast<char>(First + previous), static_cast<char>(First + current)};
  const std::string_view two(pair, 2);
  if (before == Joined || single(current) == Joined || GlyphCounter(two) != 2)
    step = Joined;
  else
    step = static_cast<std::int32_t>(Measure(two) - before);
  return step;
}

int TTextWidthCache::Width(std::string_view utf8) {
  if (utf8.empty()) return 0;
  if (DigitsDiffer || utf8.size() > TTextShape::MaxLength) return SummedWidth(utf8);
  if (LastShape.Fits(utf8)) return LastWidth;
  const TTextShape shape = TTextShape::Of(utf8);
  if (const int* width = Widths.Find(shape)) {
    LastShape = shape;
    LastWidth = *width;
    return *width;
  }
  const bool shared = WidthFollowsShape(utf8);
  const int width = SummedWidth(utf8);
  if (!shared) return width;
  Widths.Insert(shape, width);
  LastShape = shape;
  LastWidth = width;
  return width;
}

bool TTextWidthCache::WidthFollowsShape(std::string_view utf8) {
  if (DigitsDiffer || utf8.size() > TTextShape::MaxLength) return false;
  // Whether the digits lay out alike at the start of a text (-1) or next to a character.
  auto digitsAlike = [this](int character) {
    if (CheckedAgainstDigits[static_cast<std::size_t>(character + 1)]) return true;
    const int zero = '0' - First;
    for (int digit = zero + 1; digit <= zero + 9; ++digit) {
      const bool after = Step(character, digit) == Step(character, zero) && Step(character, zero) != Joined;
      const bool before =
          character < 0 || (Step(digit, character) == Step(zero, character) && Step(zero, character) != Joined);
      if (!after || !before) {
        DigitsDiffer = true;
        return false;
      }
    }
    CheckedAgainstDigits[static_cast<std::size_t>(character + 1)] = true;
    return true;
  };
  if (!digitsAlike(-1)) return false;
  int previous = -1;
  for (const char byte : utf8) {
    const int current = static_cast<unsigned char>(byte) - First;
    // Texts measured whole are not summed from pairs, so their digits are not known to matter alike.
    if (static_cast<unsigned>(current) >= static_cast<unsigned>(Count) || Step(previous, current) == Joined)
      return false;
    if (!digitsAlike(current)) return false;
    previous = current;
  }
  return true;
}

int TTextWidthCache::SummedWidth(std::string_view utf8) {
  if (utf8.size() > MaxSummedLength) return MeasuredWhole(utf8);
  std::int64_t sum = 0;
  int previous = -1;
  for (const char byte : utf8) {
    const int current = static_cast<unsigned char>(byte) - First;
    if (static_cast<unsigned>(current) >= static_cast<unsigned>(Count)) return MeasuredWhole(utf8);
    std::int32_t step = Steps[static_cast<std::size_t>((previous + 1) * Count + current)];
    if (step <= Joined) {  // Unknown or Joined
      step = Step(previous, current);
      if (step == Joined) return MeasuredWhole(utf8);
    }
    sum += step;
    previous = current;
  }
  return RoundedPixels(sum);
}
