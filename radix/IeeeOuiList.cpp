// SPDX-License-Identifier: MIT
#include "radix/IeeeOuiList.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "radix/KestBinDecHex.h"
#include "radix/OUIList.h"
#include "radix/VendorText.h"

namespace {
struct TEntry {
  std::string OUI;
  std::string Organization;  // Latin-1
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

// "XX-XX-XX" at the start of a line, then "(hex)" after blanks.
bool ParseEntryLine(std::string_view line, std::string& oui, std::string_view& name) {
  if (line.size() < 8 || line[2] != '-' || line[5] != '-') return false;
  oui.clear();
  for (std::size_t i : {0, 1, 3, 4, 6, 7}) {
    if (!IsHexDigit(line[i])) return false;
    oui += line[i] >= 'a' ? static_cast<char>(line[i] - 'a' + 'A') : line[i];
  }
  std::string_view rest = Trimmed(line.substr(8));
  constexpr std::string_view Marker = "(hex)";
  if (rest.substr(0, Marker.size()) != Marker) return false;
  name = Trimmed(rest.substr(Marker.size()));
  return true;
}

// The ASCII look-alike of a code point outside Latin-1, or '?'.
char StandIn(std::uint32_t code) {
  if (code >= 0xFF01 && code <= 0xFF5E) return static_cast<char>(code - 0xFEE0);  // full-width forms
  switch (code) {
    case 0x2018:
    case 0x2019:
    case 0x201A:
    case 0x2032:
      return '\'';
    case 0x201C:
    case 0x201D:
    case 0x201E:
    case 0x2033:
      return '"';
    case 0x2010:
    case 0x2011:
    case 0x2012:
    case 0x2013:
    case 0x2014:
    case 0x2015:
    case 0x2212:
      return '-';
    case 0x2002:
    case 0x2003:
    case 0x2009:
    case 0x3000:
      return ' ';
    default:
      return '?';
  }
}

// UTF-8 as Latin-1, normalised first so that a letter and its combining
// accent become the one Latin-1 letter; every character outside Latin-1, every
// control character and every byte that is not UTF-8 becomes one stand-in and
// is counted, so no character can end or corrupt a line of the list. A tab is
// a space; zero-width characters are dropped.
std::string ToLatin1(std::string_view utf8, std::size_t& replaced) {
  std::string text;
  ForEachCodePoint(NormalizedUtf8(utf8), [&](std::uint32_t code) {
    if (code == '\t') {
      text += ' ';
    } else if (code >= 0x20 && (code < 0x7F || code >= 0xA0) && code <= 0xFF) {
      text += static_cast<char>(code);
    } else {
      text += StandIn(code);
      ++replaced;
    }
  });
  return text;
}

bool IsLatin1Letter(unsigned char c) { return c >= 0xC0 && c != 0xD7 && c != 0xF7; }

bool IsWordChar(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || IsLatin1Letter(c);
}

// Latin-1 case mapping; letters without a single-byte partner (sharp s, y
// with diaeresis) stay as they are.
char ToUpper(unsigned char c) {
  const bool lower = (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
  return static_cast<char>(lower ? c - 0x20 : c);
}

char ToLower(unsigned char c) {
  const bool upper = (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7);
  return static_cast<char>(upper ? c + 0x20 : c);
}

bool IsVowel(char c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u'; }
}  // namespace

std::string AbbreviateOrganization(std::string_view name) {
  constexpr std::size_t Length = 6;
  const auto isWordChar = [](char c) { return IsWordChar(static_cast<unsigned char>(c)); };
  const auto first = std::find_if(name.begin(), name.end(), isWordChar);
  const auto last = std::find_if_not(first, name.end(), isWordChar);
  std::string word;
  for (auto c = first; c != last; ++c)
    word += c == first ? ToUpper(static_cast<unsigned char>(*c)) : ToLower(static_cast<unsigned char>(*c));
  if (word.size() > Length) word.erase(std::remove_if(word.begin() + 1, word.end(), IsVowel), word.end());
  return word.substr(0, Length);
}

TOUIListConversion ConvertVendorEntries(const std::vector<TVendorEntry>& entries) {
  TOUIListConversion result;
  std::vector<TEntry> lines;
  for (const TVendorEntry& entry : entries) {
    if (VendorRegistryBits(entry.Kind) != 24) continue;
    lines.push_back({IntToHex(static_cast<std::int64_t>(entry.Prefix), 6), ToLatin1(entry.Organization, result.Replaced)});
  }
  std::stable_sort(lines.begin(), lines.end(), [](const TEntry& a, const TEntry& b) { return a.OUI < b.OUI; });
  for (const TEntry& line : lines)
    result.Text += FormatOUILine(line.OUI, AbbreviateOrganization(line.Organization), line.Organization);
  result.Entries = lines.size();
  return result;
}

TOUIListConversion ConvertIeeeOuiList(std::string_view ieeeText) {
  std::vector<TVendorEntry> entries;
  std::string oui;
  std::string_view name;
  for (std::size_t start = 0; start < ieeeText.size();) {
    const std::size_t end = std::min(ieeeText.find('\n', start), ieeeText.size());
    if (ParseEntryLine(ieeeText.substr(start, end - start), oui, name))
      entries.push_back({TVendorRegistryKind::MAL, static_cast<std::uint64_t>(HexStrToInt(oui)), std::string(name)});
    start = end + 1;
  }
  return ConvertVendorEntries(entries);
}
