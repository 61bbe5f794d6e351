// SPDX-License-Identifier: MIT
#include "radix/BitWord.h"

#include <array>
#include <bit>

#include "platform/Utf8.h"
#include "radix/KestBinDecHex.h"

std::uint64_t WidthMask(int width) { return width >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << width) - 1; }

std::int64_t SignExtend(std::uint64_t bits, int width) {
  const std::uint64_t sign = std::uint64_t{1} << (width - 1);
  return static_cast<std::int64_t>(((bits & WidthMask(width)) ^ sign) - sign);
}

namespace {
constexpr char Digits[] = "0123456789ABCDEF";

int BitsPerDigit(int base) { return base == 16 ? 4 : base == 8 ? 3 : 1; }

std::string BaseName(int base) {
  switch (base) {
    case 2: return "binary";
    case 8: return "octal";
    case 16: return "hexadecimal";
    default: return "decimal";
  }
}

// Digits of a power-of-two base, zero-padded to cover the width.
std::string PowerOfTwoDigits(std::uint64_t bits, int width, int base) {
  const int per = BitsPerDigit(base);
  const int count = (width + per - 1) / per;
  std::string text(static_cast<std::size_t>(count), '0');
  for (int i = 0; i < count; ++i)
    text[static_cast<std::size_t>(count - 1 - i)] = Digits[(bits >> (per * i)) & static_cast<unsigned>(base - 1)];
  return text;
}

// Spaces every `size` characters, counted from the right.
std::string Grouped(const std::string& text, std::size_t size) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i > 0 && (text.size() - i) % size == 0) out += ' ';
    out += text[i];
  }
  return out;
}

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

bool IsSeparator(char c) { return c == '_' || c == ' ' || c == '\t' || c == ':'; }

// The bytes of a word as the conversion routines expect them: least significant first.
template <typename Reverse>
std::uint64_t ReverseInMemoryOrder(std::uint64_t bits, int width, Reverse reverse) {
  std::array<std::uint8_t, 8> bytes{};
  const int count = width / 8;
  for (int i = 0; i < count; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(bits >> (8 * i));
  reverse(bytes.data(), count);
  std::uint64_t result = 0;
  for (int i = 0; i < count; ++i) result |= std::uint64_t{bytes[static_cast<std::size_t>(i)]} << (8 * i);
  return result;
}

WordParse Refuse(std::string error) { return {false, 0, std::move(error)}; }
}  // namespace

std::string FormatWord(std::uint64_t bits, WordShape shape, int base, bool grouped, HexGrouping hexGrouping) {
  bits &= WidthMask(shape.Width);
  if (base == 10) return shape.Signed ? std::to_string(SignExtend(bits, shape.Width)) : std::to_string(bits);
  const std::string digits = PowerOfTwoDigits(bits, shape.Width, base);
  if (!grouped || base == 8) return digits;
  return Grouped(digits, base == 2 ? 4 : hexGrouping == HexGrouping::Words ? 4 : 2);
}

std::string WordCharacters(std::uint64_t bits, int width) {
  std::string text;
  for (int shift = width - 8; shift >= 0; shift -= 8) {
    const auto byte = static_cast<unsigned char>(bits >> shift);
    if ((byte >= 0x20 && byte < 0x7F)) {
      text += static_cast<char>(byte);
    } else if (byte >= 0xA0 && byte != 0xAD) {
      AppendUtf8(text, byte);  // the Latin-1 character
    } else {
      text += '.';
    }
  }
  return text;
}

WordParse ParseWord(std::string_view text, int base, WordShape shape) {
  std::string clean;
  for (char c : text)
    if (!IsSeparator(c) && c != '\r' && c != '\n') clean += c;
  if (clean.empty()) return Refuse("Type a number");

  bool negative = false;
  std::size_t at = 0;
  if (clean.size() > 1 && clean[0] == '0') {
    const char p = static_cast<char>(clean[1] | 0x20);
    const int prefixed = p == 'x' ? 16 : p == 'o' ? 8 : (p == 'b' && base != 16) ? 2 : 0;
    if (prefixed != 0) {
      base = prefixed;
      at = 2;
      if (clean.size() == 2) return Refuse("Digits are missing after " + clean);
    }
  }
  if (at == 0 && base == 10 && (clean[0] == '-' || clean[0] == '+')) {
    negative = clean[0] == '-';
    at = 1;
    if (clean.size() == 1) return Refuse("Digits are missing after " + clean);
    if (negative && !shape.Signed) return Refuse("Negative numbers need Signed");
  }
  for (std::size_t i = at; i < clean.size(); ++i)
    if (DigitValue(clean[i]) >= base) {
      // One whole character of UTF-8 text in the message.
      std::size_t end = i + 1;
      while (end < clean.size() && (static_cast<unsigned char>(clean[end]) & 0xC0) == 0x80) ++end;
      return Refuse("\"" + clean.substr(i, end - i) + "\" is not a " + BaseName(base) + " digit");
    }

  // The largest magnitude the text may name.
  const std::uint64_t mask = WidthMask(shape.Width);
  const std::uint64_t signedMax = mask >> 1;
  const bool decimalSigned = base == 10 && shape.Signed;
  const std::uint64_t limit = !decimalSigned ? mask : negative ? signedMax + 1 : signedMax;
  std::uint64_t value = 0;
  bool tooLarge = false;
  for (std::size_t i = at; i < clean.size() && !tooLarge; ++i) {
    const auto digit = static_cast<std::uint64_t>(DigitValue(clean[i]));
    if (value > (limit - digit) / static_cast<std::uint64_t>(base)) tooLarge = true;
    value = value * static_cast<std::uint64_t>(base) + digit;
  }
  if (tooLarge) {
    const std::string bits = std::to_string(shape.Width) + " bits";
    if (decimalSigned)
      return Refuse("Out of range for signed " + bits + ": " + std::to_string(SignExtend(signedMax + 1, shape.Width)) +
                    " to " + std::to_string(signedMax));
    return Refuse("Too large for " + bits + ": at most " + FormatWord(mask, {shape.Width, false}, base));
  }
  return {true, (negative ? 0 - value : value) & mask, {}};
}

std::uint64_t WordNot(std::uint64_t bits, int width) { return ~bits & WidthMask(width); }

std::uint64_t WordNegate(std::uint64_t bits, int width) { return (0 - bits) & WidthMask(width); }

std::uint64_t ShiftLeft(std::uint64_t bits, int width, int count) {
  return count >= width ? 0 : (bits << count) & WidthMask(width);
}

std::uint64_t ShiftRightLogical(std::uint64_t bits, int width, int count) {
  return count >= width ? 0 : (bits & WidthMask(width)) >> count;
}

std::uint64_t ShiftRightArithmetic(std::uint64_t bits, int width, int count) {
  const std::int64_t value = SignExtend(bits, width);
  return static_cast<std::uint64_t>(value >> (count >= width ? width - 1 : count)) & WidthMask(width);
}

std::uint64_t RotateLeft(std::uint64_t bits, int width, int count) {
  count %= width;
  bits &= WidthMask(width);
  return count == 0 ? bits : ((bits << count) | (bits >> (width - count))) & WidthMask(width);
}

std::uint64_t RotateRight(std::uint64_t bits, int width, int count) { return RotateLeft(bits, width, width - count % width); }

std::uint64_t ByteSwap(std::uint64_t bits, int width) {
  std::uint64_t result = 0;
  for (int i = 0; i < width / 8; ++i) result = (result << 8) | ((bits >> (8 * i)) & 0xFF);
  return result;
}

std::uint64_t ReverseWordBits(std::uint64_t bits, int width) {
  return ReverseInMemoryOrder(bits, width, ReverseBitsInBuffer);
}

std::uint64_t ReverseBitsOfEachByte(std::uint64_t bits, int width) {
  return ReverseInMemoryOrder(bits, width, ReverseBitsInBytes);
}

int PopCount(std::uint64_t bits) { return std::popcount(bits); }

int LeadingZeros(std::uint64_t bits, int width) {
  bits &= WidthMask(width);
  return bits == 0 ? width : std::countl_zero(bits) - (64 - width);
}

int TrailingZeros(std::uint64_t bits, int width) {
  bits &= WidthMask(width);
  return bits == 0 ? width : std::countr_zero(bits);
}
