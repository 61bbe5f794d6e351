// SPDX-License-Identifier: MIT
#pragma once
// Character classes of the number fields' key filters. Each takes one 8-bit character.

constexpr bool IsBinaryChar(char c) { return c == '0' || c == '1'; }
constexpr bool IsControlChar(char c) { return static_cast<unsigned char>(c) <= 31; }
constexpr bool IsDecimalChar(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsOctalChar(char c) { return c >= '0' && c <= '7'; }
constexpr bool IsHexChar(char c) {
  return IsDecimalChar(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
