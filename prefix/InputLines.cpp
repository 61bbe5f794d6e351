// SPDX-License-Identifier: MIT
#include "prefix/InputLines.h"

std::string LineErrorText(const LineError& error) {
  return "line " + std::to_string(error.Line) + ": " + error.Error;
}

std::string ListTooLongText(std::size_t bytes) {
  if (bytes <= MaxListBytes) return {};
  const std::size_t kib = 1024;
  return "the list has " + std::to_string((bytes + kib - 1) / kib) + " KiB; at most " +
         std::to_string(MaxListBytes / kib) + " KiB is taken";
}

void ForEachInputLine(std::string_view text, const std::function<void(std::size_t, std::string_view)>& visit) {
  std::size_t number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++number;
    line = line.substr(0, line.find('#'));
    const std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) continue;
    line = line.substr(first, line.find_last_not_of(" \t\r") + 1 - first);
    visit(number, line);
  }
}
