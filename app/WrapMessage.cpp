// SPDX-License-Identifier: MIT
#include "app/WrapMessage.h"

namespace {
constexpr const char* LineBreak = "\r\n";

bool IsBreakChar(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f'; }
bool IsQuoteChar(char c) { return c == '"' || c == '\''; }
}  // namespace

std::string WrapMessage(const std::string& text, int maxCol) {
  // Positions are 0-based; `col` counts from 1 at a line's start.
  const std::size_t len = text.size();
  std::string result;
  std::size_t pos = 0;
  std::size_t lineStart = 0;
  std::ptrdiff_t breakPos = -1;
  long col = 1;
  char quote = 0;
  bool existingBreak = false;
  while (pos < len) {
    const char c = text[pos];
    if (c == '\r') {
      if (!quote && pos + 1 < len && text[pos + 1] == '\n') {
        existingBreak = true;
        ++pos;
        breakPos = static_cast<std::ptrdiff_t>(pos);
      }
    } else if (IsBreakChar(c)) {
      if (!quote) breakPos = static_cast<std::ptrdiff_t>(pos);
    } else if (IsQuoteChar(c)) {
      if (c == quote)
        quote = 0;
      else if (!quote)
        quote = c;
    }
    ++pos;
    ++col;
    if (!quote && (existingBreak || (col > maxCol && breakPos > static_cast<std::ptrdiff_t>(lineStart)))) {
      col = static_cast<long>(pos) - breakPos;
      result.append(text, lineStart, static_cast<std::size_t>(breakPos) - lineStart + 1);
      if (!IsQuoteChar(c)) {
        while (pos < len) {
          if (IsBreakChar(text[pos]))
            ++pos;
          else if (text.compare(pos, 2, LineBreak) == 0)
            pos += 2;
          else
            break;
        }
      }
      if (!existingBreak && pos + 1 < len) result += LineBreak;
      lineStart = static_cast<std::size_t>(breakPos) + 1;
      breakPos = static_cast<std::ptrdiff_t>(lineStart);
      existingBreak = false;
    }
  }
  result.append(text, lineStart, std::string::npos);
  return result;
}
