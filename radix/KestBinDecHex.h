// SPDX-License-Identifier: MIT
#pragma once
// Conversions between numbers and binary, octal, decimal and hexadecimal text,
// and bit reversal. Values are 64-bit two's-complement bit patterns.
#include <array>
#include <cstdint>
#include <string>

// Entry i is i with its eight bits in reverse order.
extern const std::array<std::uint8_t, 256> BitReverseTable;
// The source of padding: at most this many zeros are added in one step.
extern const std::string ZeroSource;

// Parsers: digits are shifted in from the right; digits past 64 bits push the
// leading ones out. Empty text is 0; nothing is trimmed and nothing fails.
std::int64_t BinStrToInt(const std::string& text);  // '1' is 1, any other character 0
std::int64_t OctStrToInt(const std::string& text);  // characters other than '0'..'7' count as 0
std::int64_t HexStrToInt(const std::string& text);  // HexDigitValue of each character
int HexDigitValue(char c);                          // 0..15; 0 for a non-digit

// Formatters, padded with zeros to at least `digits` characters (never cut).
std::string IntToBinStr(int digits, std::int64_t value);  // 0 formats as "" before padding
std::string IntToOctStr(int digits, std::int64_t value);
std::string IntToDecStr(int digits, std::int64_t value);  // zeros go before the sign
// Upper-case hexadecimal of the full two's complement of a 64-bit value.
std::string IntToHex(std::int64_t value, int digits);
// Upper-case hexadecimal of the full two's complement of a 32-bit value.
std::string IntToHex(std::int32_t value, int digits);
// Standard signed 64-bit parse: optional sign and decimal digits. Throws
// std::invalid_argument or std::out_of_range for anything else.
std::int64_t StrToInt64(const std::string& text);

void PadWithZeros(std::string& text, int width);

// Reverses the bits of each byte in place.
void ReverseBitsInBytes(std::uint8_t* buffer, int count);
// Reverses the bit string of the whole buffer: bit k becomes bit 8*count-1-k.
// A count of 0 or less changes nothing.
void ReverseBitsInBuffer(std::uint8_t* buffer, int count);
