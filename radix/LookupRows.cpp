// SPDX-License-Identifier: MIT
#include "radix/LookupRows.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <stdexcept>
#include <utility>

std::vector<TLookupBand> LookupBands(std::int32_t from, std::int32_t to) {
  static constexpr TLookupBand Bands[] = {
      {0, 15, 1, 4, 2}, {16, 255, 2, 8, 3}, {256, 65535, 4, 16, 6}, {65536, 2147483647, 8, 32, 11}};
  std::vector<TLookupBand> bands;
  for (TLookupBand band : Bands) {
    band.Low = std::max(band.Low, from);
    band.High = std::min(band.High, to);
    if (band.Low <= band.High) bands.push_back(band);
  }
  return bands;
}

std::int32_t LookupRowCount(std::int32_t from, std::int32_t to) {
  const std::int64_t span = std::int64_t{to} - from;
  if (span > 2147483645) throw std::overflow_error("Integer overflow");
  return static_cast<std::int32_t>(span + 2);
}

namespace {
// Writes the lowest `digits` digits of `value` in base 2^bitsPerDigit, most significant first.
void WriteDigits(char* out, int digits, std::uint32_t value, int bitsPerDigit) {
  static constexpr char Digits[] = "0123456789ABCDEF";
  const std::uint32_t mask = (1u << bitsPerDigit) - 1;
  for (int i = digits - 1; i >= 0; --i, value >>= bitsPerDigit) out[i] = Digits[value & mask];
}

// Binary four digits at a time; `digits` is a multiple of 4.
void WriteBinary(char* out, int digits, std::uint32_t value) {
  static constexpr auto Nibbles = [] {
    std::array<std::array<char, 4>, 16> nibbles{};
    for (int n = 0; n < 16; ++n)
      for (int bit = 0; bit < 4; ++bit) nibbles[n][bit] = (n >> (3 - bit)) & 1 ? '1' : '0';
    return nibbles;
  }();
  for (int i = digits - 4; i >= 0; i -= 4, value >>= 4) std::memcpy(out + i, Nibbles[value & 15].data(), 4);
}
}  // namespace

void TLookupRowText::Format(std::int32_t n, const TLookupBand& band) {
  DecimalLength = static_cast<std::size_t>(std::to_chars(FDecimal, FDecimal + sizeof FDecimal, n).ptr - FDecimal);
  const auto value = static_cast<std::uint32_t>(n);
  WriteDigits(FHexadecimal, band.HexDigits, value, 4);
  WriteBinary(FBinary, band.BinDigits, value);
  WriteDigits(FOctal, band.OctDigits, value, 3);
  HexLength = static_cast<std::size_t>(band.HexDigits);
  BinLength = static_cast<std::size_t>(band.BinDigits);
  OctLength = static_cast<std::size_t>(band.OctDigits);
}

TLookupRows::TLookupRows(std::int32_t from, std::int32_t to)
    : From(from),
      Last(static_cast<std::uint32_t>(std::max(0, LookupRowCount(from, to) - 2))),
      Bands(LookupBands(from, to)) {}

void TLookupRows::AppendText(std::uint32_t row, int column, std::string& out) const {
  const auto n = static_cast<std::int32_t>(From + std::int64_t{row});
  for (const TLookupBand& band : Bands) {
    if (n > band.High) continue;
    TLookupRowText texts;
    texts.Format(n, band);
    const std::string_view text[] = {texts.Decimal(), texts.Hexadecimal(), texts.Binary(), texts.Octal()};
    if (column >= 0 && column < Columns) out += text[column];
    return;
  }
}

std::vector<std::string> TLookupRows::WidestTexts(int column) const {
  std::vector<std::string> texts;
  for (const TLookupBand& band : Bands) {
    std::string text;
    AppendText(static_cast<std::uint32_t>(band.High - From), column, text);
    texts.push_back(std::move(text));
  }
  return texts;
}
