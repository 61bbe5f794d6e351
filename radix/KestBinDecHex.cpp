// SPDX-License-Identifier: MIT
#include "radix/KestBinDecHex.h"

#include <charconv>
#include <stdexcept>
#include <utility>

namespace {
constexpr std::array<std::uint8_t, 256> MakeBitReverseTable() {
  std::array<std::uint8_t, 256> table{};
  for (int i = 0; i < 256; ++i) {
    int reversed = 0;
    for (int bit = 0; bit < 8; ++bit)
      if (i & (1 << bit)) reversed |= 1 << (7 - bit);
    table[i] = static_cast<std::uint8_t>(reversed);
  }
  return table;
}

template <typename DigitOf>
std::int64_t ParseDigits(const std::string& text, int bitsPerDigit, DigitOf digitOf) {
  std::uint64_t value = 0;
  for (char c : text) value = (value << bitsPerDigit) | static_cast<std::uint64_t>(digitOf(c));
  return static_cast<std::int64_t>(value);
}

std::string FormatDigits(int digits, std::int64_t value, int bitsPerDigit) {
  static constexpr char Digits[] = "01234567";
  const std::uint64_t mask = (1u << bitsPerDigit) - 1;
  std::string text;
  for (auto v = static_cast<std::uint64_t>(value); v != 0; v >>= bitsPerDigit) text += Digits[v & mask];
  text = std::string(text.rbegin(), text.rend());
  PadWithZeros(text, digits);
  return text;
}

std::string FormatHex(std::uint64_t value, int digits) {
  static constexpr char Digits[] = "0123456789ABCDEF";
  std::string text;
  do {
    text += Digits[value & 0xF];
    value >>= 4;
  } while (value != 0);
  while (static_cast<int>(text.size()) < digits) text += '0';
  return std::string(text.rbegin(), text.rend());
}
}  // namespace

const std::array<std::uint8_t, 256> BitReverseTable = MakeBitReverseTable();
const std::string ZeroSource(200, '0');

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 0;
}

std::int64_t BinStrToInt(const std::string& text) {
  return ParseDigits(text, 1, [](char c) { return c == '1' ? 1 : 0; });
}

std::int64_t OctStrToInt(const std::string& text) {
  return ParseDigits(text, 3, [](char c) { return c >= '0' && c <= '7' ? c - '0' : 0; });
}

std::int64_t HexStrToInt(const std::string& text) { return ParseDigits(text, 4, HexDigitValue); }

std::string IntToBinStr(int digits, std::int64_t value) { return FormatDigits(digits, value, 1); }

std::string IntToOctStr(int digits, std::int64_t value) { return FormatDigits(digits, value, 3); }

std::string IntToDecStr(int digits, std::int64_t value) {
  std::string text = std::to_string(value);
  PadWithZeros(text, digits);
  return text;
}

std::string IntToHex(std::int64_t value, int digits) {
  return FormatHex(static_cast<std::uint64_t>(value), digits);
}

std::string IntToHex(std::int32_t value, int digits) {
  return FormatHex(static_cast<std::uint32_t>(value), digits);
}

std::int64_t StrToInt64(const std::string& text) {
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') {  // from_chars takes '-' but not '+'
    ++first;
    if (first != last && *first == '-') first = last;
  }
  std::int64_t value = 0;
  auto [end, error] = std::from_chars(first, last, value);
  if (error == std::errc::result_out_of_range)
    throw std::out_of_range("'" + text + "' is not within the range of a 64-bit integer");
  if (error != std::errc() || end != last || first == last)
    throw std::invalid_argument("'" + text + "' is not a valid integer value");
  return value;
}

void PadWithZeros(std::string& text, int width) {
  const auto length = static_cast<int>(text.size());
  if (width <= length) return;
  text.insert(0, ZeroSource, 0, static_cast<std::size_t>(width - length));
}

void ReverseBitsInBytes(std::uint8_t* buffer, int count) {
  for (int i = 0; i < count; ++i) buffer[i] = BitReverseTable[buffer[i]];
}

void ReverseBitsInBuffer(std::uint8_t* buffer, int count) {
  for (int i = 0; i < count / 2; ++i) {
    std::uint8_t low = BitReverseTable[buffer[i]];
    buffer[i] = BitReverseTable[buffer[count - 1 - i]];
    buffer[count - 1 - i] = low;
  }
  if (count % 2 == 1) buffer[count / 2] = BitReverseTable[buffer[count / 2]];
}
