// SPDX-License-Identifier: MIT
// A number field's text in every style: any typed text parses or is refused
// with an exception, never a crash; every value shown reads back, and reads
// back to the same text.
#include <cmath>
#include <stdexcept>

#include "controls/NumberText.h"
#include "fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TFuzzInput input(data, size);
  const auto style = static_cast<TNumberStyle>(input.Take<std::uint8_t>() % 5);
  const int digits = input.Take<std::uint8_t>() % 40 - 2;
  const char decimalPoint = input.Take<std::uint8_t>() % 2 ? ',' : '.';
  const auto integer = input.Take<std::int64_t>();
  const auto real = input.Take<double>();
  const std::string text = input.Rest();

  try {
    if (style == nsFloat) ParseFloatText(text, decimalPoint);
    else ParseIntegerText(style, text);
  } catch (const std::exception&) {
  }
  for (char c : text) IsValidNumberChar(style, c & 1, decimalPoint, c);

  if (style == nsFloat) {
    if (!std::isfinite(real)) return 0;
    const std::string shown = FormatNumberText(style, digits, 0, real, decimalPoint);
    const double read = ParseFloatText(shown, decimalPoint);
    FUZZ_CHECK(FormatNumberText(style, digits, 0, read, decimalPoint) == shown);
    try {
      TruncateToInt64(real);
    } catch (const std::overflow_error&) {
    }
  } else if (integer >= 0) {  // negative values show zeros before the sign
    const std::string shown = FormatNumberText(style, digits, integer, 0, decimalPoint);
    FUZZ_CHECK(ParseIntegerText(style, shown) == integer);
  }
  return 0;
}
