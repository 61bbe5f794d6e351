// SPDX-License-Identifier: MIT
#include "radix/BitSwap.h"

#include <array>

#include "radix/KestBinDecHex.h"

namespace {
// The conversion routines work on the bytes of a value as it lies in memory,
// least significant byte first; spelling that order out keeps the results
// the same on any machine.
template <typename Reverse>
std::uint32_t ReverseInMemoryOrder(std::uint32_t value, Reverse reverse) {
  std::array<std::uint8_t, 4> bytes;
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
  reverse(bytes.data(), 4);
  std::uint32_t result = 0;
  for (int i = 0; i < 4; ++i) result |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
  return result;
}

constexpr std::array<TBitSwapBase, 4> Bases = {{
    {nsDecimal, -1},
    {nsHexadecimal, 8},
    {nsBinary, 32},
    {nsOctal, 11},
}};
}  // namespace

std::uint32_t SwapBitsByteByByte(std::uint32_t value) { return ReverseInMemoryOrder(value, ReverseBitsInBytes); }

std::uint32_t SwapBitsLsbMsb(std::uint32_t value) { return ReverseInMemoryOrder(value, ReverseBitsInBuffer); }

const TBitSwapBase& BitSwapBaseOf(int itemIndex) {
  const bool isItem = itemIndex == 0 || itemIndex == 2 || itemIndex == 3;
  return Bases[static_cast<std::size_t>(isItem ? itemIndex : 1)];
}
