// SPDX-License-Identifier: MIT
#pragma once
// A machine word of 8, 16, 32 or 64 bits, read unsigned or as two's
// complement: its text in every base, the notations accepted when typed or
// pasted, and the operations of the bit workbench. Bits above the width are
// always 0.
#include <cstdint>
#include <string>
#include <string_view>

struct WordShape {
  int Width = 32;  // 8, 16, 32 or 64
  bool Signed = false;
  bool operator==(const WordShape&) const = default;
};

// All ones over the width.
std::uint64_t WidthMask(int width);
// The word's value as a signed number: the top bit of the width is the sign.
std::int64_t SignExtend(std::uint64_t bits, int width);

// Base 16 digits may be grouped by byte or by 16-bit word.
enum class HexGrouping { Bytes, Words };

// Full-width text: hexadecimal and binary and octal zero-padded to the width,
// upper-case hexadecimal digits; decimal with "-" when signed and negative.
// Grouped binary is split into nibbles, grouped hexadecimal into bytes or words,
// by spaces; decimal and octal are never grouped.
std::string FormatWord(std::uint64_t bits, WordShape shape, int base, bool grouped = false,
                       HexGrouping hexGrouping = HexGrouping::Bytes);

// The bytes from the most significant, each a Latin-1 character (in UTF-8), or
// "." where the byte is a control character or not shown (soft hyphen).
std::string WordCharacters(std::uint64_t bits, int width);

struct WordParse {
  bool Ok = false;
  std::uint64_t Bits = 0;
  std::string Error;  // why the text was refused, for the line under the field
};

// Reads text typed or pasted into the field of `base` (2, 8, 10 or 16).
// Accepted: a 0x, 0o or 0b prefix (any case), which sets the base; in the
// hexadecimal field a leading "0b" is read as hex digits. "_", spaces, tabs and
// ":" between digits are ignored. In the decimal field an optional sign; "-"
// only when the word is signed. Refused with a reason: empty text, other
// characters, a value beyond the width (or its signed range, in decimal).
WordParse ParseWord(std::string_view text, int base, WordShape shape);

// Operations; every result is within the width.
std::uint64_t WordNot(std::uint64_t bits, int width);
std::uint64_t WordNegate(std::uint64_t bits, int width);
// Shifts by `count` (0 and above); shifting by the width or more leaves no
// bits, or only sign bits for the arithmetic shift.
std::uint64_t ShiftLeft(std::uint64_t bits, int width, int count);
std::uint64_t ShiftRightLogical(std::uint64_t bits, int width, int count);
std::uint64_t ShiftRightArithmetic(std::uint64_t bits, int width, int count);
// Rotations by `count` modulo the width.
std::uint64_t RotateLeft(std::uint64_t bits, int width, int count);
std::uint64_t RotateRight(std::uint64_t bits, int width, int count);
// The bytes of the width in reverse order (the other byte order).
std::uint64_t ByteSwap(std::uint64_t bits, int width);
// Bit k becomes bit width-1-k.
std::uint64_t ReverseWordBits(std::uint64_t bits, int width);
// The bits of each byte reversed, the bytes in place.
std::uint64_t ReverseBitsOfEachByte(std::uint64_t bits, int width);
int PopCount(std::uint64_t bits);
// Zeros above the highest set bit, and below the lowest; the width for 0.
int LeadingZeros(std::uint64_t bits, int width);
int TrailingZeros(std::uint64_t bits, int width);
