// SPDX-License-Identifier: MIT
#pragma once
// The bit swapper's arithmetic: a 32-bit value with each byte's bits reversed,
// or with all 32 bits reversed, and the bases its fields are shown in.
#include <cstdint>

#include "controls/NumberText.h"

// Each byte's bits reversed, the bytes in place: 0x55C10F7E gives 0xAA83F07E.
std::uint32_t SwapBitsByteByByte(std::uint32_t value);
// Bit 0 and bit 31 change places, bit 1 and bit 30, and so on: 0x55C10F7E gives 0x7EF083AA.
std::uint32_t SwapBitsLsbMsb(std::uint32_t value);

// One base of the bit swapper's selector. Digits is also the longest text the
// user may type; -1 pads nothing and limits nothing.
struct TBitSwapBase {
  TNumberStyle NumberStyle;
  int Digits;
};

// The base of a selector item: 0 Dec, 1 Hex, 2 Bin, 3 Oct; any other index is Hex.
const TBitSwapBase& BitSwapBaseOf(int itemIndex);
