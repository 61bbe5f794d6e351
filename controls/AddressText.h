// SPDX-License-Identifier: MIT
#pragma once
// IPv4 addresses as people write and paste them.
#include <cstdint>
#include <optional>
#include <string_view>

struct TAddressText {
  std::uint32_t Address;        // host order, the first octet most significant
  std::optional<int> MaskBits;  // 0 to 32, when a mask came with the address
};

// Reads "192.168.7.9", "192.168.7.9/24" or "192.168.7.9 255.255.255.0"
// (blanks or tabs before the mask). Each octet is 0 to 255 in decimal
// without leading zeros, as in inet_pton. None for any other text, and for a
// dotted mask whose one bits are not all leading.
std::optional<TAddressText> ParseAddressText(std::string_view text);
