// SPDX-License-Identifier: MIT
#include "radix/NumberWidth.h"

#include <array>

#include "radix/KestBinDecHex.h"

namespace {
constexpr std::array<TNumberWidth, 3> Widths = {{
    {8, 0xFF, 3, 2, 8, 3},
    {16, 0xFFFF, 5, 4, 16, 6},
    {32, 0xFFFFFFFF, 10, 8, 32, 11},
}};

bool IsItem(int itemIndex) { return itemIndex >= 0 && itemIndex < static_cast<int>(Widths.size()); }

std::string InStyle(TNumberStyle style, int bits, std::int64_t value) {
  switch (style) {
    case nsBinary:
      return IntToBinStr(bits, value);
    case nsDecimal:
      return IntToDecStr(-1, value);
    case nsHexadecimal:
      return IntToHex(value, bits / 4);
    case nsOctal:
      return IntToOctStr((bits + 2) / 3, value);
    case nsFloat:
      break;
  }
  return {};
}
}  // namespace

const TNumberWidth& NumberWidthOf(int itemIndex) {
  return Widths[static_cast<std::size_t>(IsItem(itemIndex) ? itemIndex : 2)];
}

std::int64_t ClampToNumberWidth(int itemIndex, std::int64_t value) {
  if (!IsItem(itemIndex)) return value;
  const auto maximum = static_cast<std::int64_t>(NumberWidthOf(itemIndex).Mask);
  return value > maximum ? maximum : value;
}

std::int64_t InvertInNumberWidth(int itemIndex, std::int64_t value) {
  const std::uint64_t mask = IsItem(itemIndex) ? NumberWidthOf(itemIndex).Mask : 0;
  return static_cast<std::int64_t>(~static_cast<std::uint64_t>(value) & mask);
}

std::string RangeHint(TNumberStyle style, int bits) {
  if (style == nsFloat) return {};
  const std::uint64_t highest = bits <= 0    ? 0
                                : bits >= 64 ? ~std::uint64_t{0}
                                             : (std::uint64_t{1} << bits) - 1;
  return "Enter a number between " + InStyle(style, bits, 0) + " and " +
         InStyle(style, bits, static_cast<std::int64_t>(highest));
}
