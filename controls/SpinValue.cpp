// SPDX-License-Identifier: MIT
#include "controls/SpinValue.h"

#include <charconv>
#include <stdexcept>
#include <string>

std::int32_t ReadSpinText(std::string_view text) {
  std::string digits;
  digits.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i)
    if (i == 0 || text[i] != '-') digits += text[i];
  std::int32_t value = 0;
  const char* end = digits.data() + digits.size();
  const auto [last, error] = std::from_chars(digits.data(), end, value);
  return error == std::errc() && last == end ? value : 0;
}

std::int32_t AddChecked(std::int32_t a, std::int32_t b) {
  std::int32_t sum = 0;
  if (__builtin_add_overflow(a, b, &sum)) throw std::overflow_error("Integer overflow");
  return sum;
}
