// SPDX-License-Identifier: MIT
#pragma once
// The widths of the base converter, 8, 16 or 32 bits, and the range hints of
// the number fields.
#include <cstdint>
#include <string>

#include "controls/NumberText.h"

// One width: its bits, mask and the digit counts of its fields.
struct TNumberWidth {
  int Bits;
  std::uint64_t Mask;  // also the width's maximum
  int DecMaxLength;
  int HexDigits;
  int BinDigits;
  int OctDigits;
};

// The width of a selector item: 0 is 8 bits, 1 is 16 bits, 2 is 32 bits; any
// other index (no choice made) is treated as 32 bits.
const TNumberWidth& NumberWidthOf(int itemIndex);

// A value above the width's maximum, compared as a signed 64-bit number,
// becomes the maximum. Outside the items nothing is clamped.
std::int64_t ClampToNumberWidth(int itemIndex, std::int64_t value);

// The bitwise NOT of all 64 bits, masked to the width; 0 outside the items.
std::int64_t InvertInNumberWidth(int itemIndex, std::int64_t value);

// "Enter a number between 0 and 2^bits - 1", both ends in the style's base;
// fixed-width bases show every digit of the width. Empty for nsFloat.
std::string RangeHint(TNumberStyle style, int bits);
