// SPDX-License-Identifier: MIT
#include "radix/BitSwap.h"

#include <array>

#include "radix/BitWord.h"

namespace {
constexpr std::array<TBitSwapBase, 4> Bases = {{
    {nsDecimal, -1},
    {nsHexadecimal, 8},
    {nsBinary, 32},
    {nsOctal, 11},
}};
}  // namespace

std::uint32_t SwapBitsByteByByte(std::uint32_t value) {
  return static_cast<std::uint32_t>(ReverseBitsOfEachByte(value, 32));
}

std::uint32_t SwapBitsLsbMsb(std::uint32_t value) { return static_cast<std::uint32_t>(ReverseWordBits(value, 32)); }

const TBitSwapBase& BitSwapBaseOf(int itemIndex) {
  const bool isItem = itemIndex == 0 || itemIndex == 2 || itemIndex == 3;
  return Bases[static_cast<std::size_t>(isItem ? itemIndex : 1)];
}
