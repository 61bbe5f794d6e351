// SPDX-License-Identifier: MIT
#pragma once
// The vendor list of the OUI finder, as the file OUI.txt holds it: single-byte
// text, one entry a line, lines ending in CR LF, LF or CR. An entry line holds,
// by character position:
//   1 to 6    the OUI, six upper-case hexadecimal digits
//   8 to 13   the abbreviation, padded with spaces
//   15 on     the organization's name
// with one separator between the fields. The lines are sorted by OUI. A search
// goes through the lines in order and stops at the first one whose OUI does not
// sort before the key: it has found the key when that OUI equals it.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Compares the OUI of a line with a key, both at most six characters: negative
// when the line sorts before the key, 0 when they are equal, positive after.
// It must order all texts consistently (a total order, ties allowed).
using TOUICompare = std::function<int(std::string_view lineOUI, std::string_view key)>;

class TOUIList {
 public:
  // The lines of `text`, ordered by `compare`.
  TOUIList(std::string text, TOUICompare compare);
  // The list in the regular file at `path`; nothing when it cannot be read.
  static std::optional<TOUIList> LoadFromFile(const std::string& path, TOUICompare compare);

  std::size_t Count() const { return Lines.size(); }
  std::string_view Line(std::size_t index) const;

  // The line at which a search for `key` stops with a match, if it does. The
  // result is the one of the scan described above, for any file: also when
  // the file is not sorted, but found in logarithmic time.
  std::optional<std::size_t> Find(std::string_view key) const;

 private:
  int CompareLine(std::size_t index, std::string_view key) const;

  std::string Text;
  std::vector<std::pair<std::size_t, std::size_t>> Lines;  // offset and length in Text
  // For every line, the first line up to it whose OUI sorts last so far. The
  // scan stops at the first line whose entry here does not sort before the key,
  // and these entries never sort lower from one line to the next.
  std::vector<std::size_t> Greatest;
  TOUICompare Compare;
};

// The comparison a list is searched with: `locale`, the user's collation,
// when it orders OUIs as the list is sorted (digits before letters, character
// by character); otherwise plain character codes. Some collations do not: in
// Danish and Norwegian "AA" is a letter after "Z", so 0000AA would sort after
// 0000AB and every entry after the first such OUI would be missed.
TOUICompare OUIListCompare(TOUICompare locale);

// The parts of an entry line; a short line gives what it holds.
std::string_view OUIOf(std::string_view line);
// Without trailing spaces and control characters.
std::string_view OUIAbbreviation(std::string_view line);
// As the line holds it, trailing spaces included.
std::string_view OUIOrganization(std::string_view line);

// An entry line with its CR LF; the abbreviation is padded or cut to six characters.
std::string FormatOUILine(std::string_view oui, std::string_view abbreviation, std::string_view organization);
