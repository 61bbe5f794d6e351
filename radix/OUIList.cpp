// SPDX-License-Identifier: MIT
#include "radix/OUIList.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <new>
#include <stdexcept>

namespace {
constexpr std::size_t OUILength = 6;
constexpr std::size_t AbbreviationStart = 7;
constexpr std::size_t AbbreviationLength = 6;
constexpr std::size_t OrganizationStart = 14;

std::string_view Part(std::string_view line, std::size_t start, std::size_t length = std::string_view::npos) {
  return start < line.size() ? line.substr(start, length) : std::string_view{};
}
}  // namespace

TOUIList::TOUIList(std::string text, TOUICompare compare) : Text(std::move(text)), Compare(std::move(compare)) {
  std::size_t start = 0;
  while (start < Text.size()) {
    const std::size_t end = std::min(Text.find_first_of("\r\n", start), Text.size());
    Lines.emplace_back(start, end - start);
    start = end + 1;
    if (end + 1 < Text.size() && Text[end] == '\r' && Text[end + 1] == '\n') ++start;
  }
  Greatest.reserve(Lines.size());
  for (std::size_t i = 0; i < Lines.size(); ++i)
    Greatest.push_back(i == 0 || CompareLine(i, OUIOf(Line(Greatest.back()))) > 0 ? i : Greatest.back());
}

std::optional<TOUIList> TOUIList::LoadFromFile(const std::string& path, TOUICompare compare) {
  // Only a regular file: a pipe or a device could block or never end.
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  try {
    std::string text;
    char buffer[1 << 16];
    while (file) {
      file.read(buffer, sizeof buffer);
      text.append(buffer, static_cast<std::size_t>(file.gcount()));
    }
    if (file.bad()) return std::nullopt;
    return TOUIList(std::move(text), std::move(compare));
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  } catch (const std::length_error&) {
    return std::nullopt;
  }
}

std::string_view TOUIList::Line(std::size_t index) const {
  const auto [offset, length] = Lines.at(index);
  return std::string_view(Text).substr(offset, length);
}

int TOUIList::CompareLine(std::size_t index, std::string_view key) const {
  return Compare(OUIOf(Line(index)), key);
}

std::optional<std::size_t> TOUIList::Find(std::string_view key) const {
  key = OUIOf(key);
  const auto stop = std::partition_point(Greatest.begin(), Greatest.end(),
                                         [&](std::size_t line) { return CompareLine(line, key) < 0; });
  if (stop == Greatest.end()) return std::nullopt;
  // The greatest OUI so far changes at the line where the scan stops.
  const auto line = static_cast<std::size_t>(stop - Greatest.begin());
  if (CompareLine(line, key) != 0) return std::nullopt;
  return line;
}

TOUICompare OUIListCompare(TOUICompare locale) {
  // Every reordering a collation makes among hexadecimal digits shows between
  // two-digit neighbours: a digit's weight, or a pair read as one letter.
  constexpr std::string_view Digits = "0123456789ABCDEF";
  std::string previous;
  for (char high : Digits)
    for (char low : Digits) {
      const std::string pair{high, low};
      if (!previous.empty() && locale(previous, pair) >= 0)
        return [](std::string_view a, std::string_view b) { return a.compare(b); };
      previous = pair;
    }
  return locale;
}

std::string_view OUIOf(std::string_view line) { return line.substr(0, OUILength); }

std::string_view OUIAbbreviation(std::string_view line) {
  std::string_view abbreviation = Part(line, AbbreviationStart, AbbreviationLength);
  while (!abbreviation.empty() && static_cast<unsigned char>(abbreviation.back()) <= ' ')
    abbreviation.remove_suffix(1);
  return abbreviation;
}

std::string_view OUIOrganization(std::string_view line) { return Part(line, OrganizationStart); }

std::string FormatOUILine(std::string_view oui, std::string_view abbreviation, std::string_view organization) {
  std::string line(oui);
  line += ' ';
  abbreviation = abbreviation.substr(0, AbbreviationLength);
  line += abbreviation;
  line.append(AbbreviationLength - abbreviation.size(), ' ');
  line += ' ';
  line += organization;
  line += "\r\n";
  return line;
}
