// SPDX-License-Identifier: MIT
#include "prefix/ResultLines.h"

std::string BreakLines(std::string_view text, std::size_t width, std::string_view separators) {
  std::string lines;
  while (text.size() > width) {
    const std::size_t separator = text.substr(0, width).find_last_of(separators);
    const std::size_t length = separator == std::string_view::npos ? width : separator + 1;
    lines.append(text.substr(0, length)).push_back('\n');
    text.remove_prefix(length);
  }
  return lines.append(text);
}

std::string GroupThousands(std::string_view digits) {
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) grouped += ',';
    grouped += digits[i];
  }
  return grouped;
}
