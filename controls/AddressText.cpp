// SPDX-License-Identifier: MIT
#include "controls/AddressText.h"

#include <bit>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A decimal number of 1 to `maxDigits` digits without a leading zero, at the
// start of `text`, which it leaves behind it.
std::optional<int> ReadNumber(std::string_view& text, std::size_t maxDigits) {
  std::size_t length = 0;
  while (length < text.size() && IsDigit(text[length])) ++length;
  if (length == 0 || length > maxDigits || (length > 1 && text[0] == '0')) return std::nullopt;
  int value = 0;
  for (std::size_t i = 0; i < length; ++i) value = value * 10 + (text[i] - '0');
  text.remove_prefix(length);
  return value;
}

std::optional<std::uint32_t> ReadDotted(std::string_view& text) {
  std::uint32_t address = 0;
  for (int octet = 0; octet < 4; ++octet) {
    if (octet > 0) {
      if (text.empty() || text[0] != '.') return std::nullopt;
      text.remove_prefix(1);
    }
    const std::optional<int> value = ReadNumber(text, 3);
    if (!value || *value > 255) return std::nullopt;
    address = address << 8 | static_cast<std::uint32_t>(*value);
  }
  return address;
}

}  // namespace

std::optional<TAddressText> ParseAddressText(std::string_view text) {
  const std::optional<std::uint32_t> address = ReadDotted(text);
  if (!address) return std::nullopt;
  if (text.empty()) return TAddressText{*address, std::nullopt};
  if (text[0] == '/') {
    text.remove_prefix(1);
    const std::optional<int> bits = ReadNumber(text, 2);
    if (!bits || *bits > 32 || !text.empty()) return std::nullopt;
    return TAddressText{*address, bits};
  }
  if (!IsBlank(text[0])) return std::nullopt;
  while (!text.empty() && IsBlank(text[0])) text.remove_prefix(1);
  const std::optional<std::uint32_t> mask = ReadDotted(text);
  if (!mask || !text.empty()) return std::nullopt;
  const int bits = std::countl_one(*mask);
  if (bits < 32 && (*mask << bits) != 0) return std::nullopt;
  return TAddressText{*address, bits};
}
