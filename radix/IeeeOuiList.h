// SPDX-License-Identifier: MIT
#pragma once
// The vendor list of the OUI finder made from IEEE's published MA-L list
// (oui.txt, UTF-8), as Debian's ieee-data package installs it. Each of its
// entries starts with a line "XX-XX-XX   (hex)<tabs>Organization"; every other
// line is ignored.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "radix/VendorRegistry.h"

struct TOUIListConversion {
  std::string Text;          // the list in the finder's format, sorted by OUI
  std::size_t Entries = 0;   // lines in Text, one per entry of the source
  std::size_t Replaced = 0;  // characters written as a stand-in
};

// The list is Latin-1 text with CR LF line ends, sorted by OUI; entries with
// the same OUI keep the source's order. Organization names lose the spaces
// around them and tabs become spaces; names are put in NFC first (a letter
// and its combining accent are one Latin-1 letter) and lose their zero-width
// characters; a character outside Latin-1 becomes its
// ASCII look-alike when it has an obvious one (full-width forms, typographic
// quotes, dashes and spaces), otherwise "?", as do control characters and
// bytes that are not UTF-8. Every such stand-in is counted in Replaced.
TOUIListConversion ConvertIeeeOuiList(std::string_view ieeeText);
// The same list made from the 24-bit blocks (MA-L, CID) of the vendor registry.
TOUIListConversion ConvertVendorEntries(const std::vector<TVendorEntry>& entries);

// The abbreviation of an organization name (Latin-1): its first word, a run
// of letters and digits, with the first letter upper case and the rest lower
// case; a word longer than six characters loses the vowels a, e, i, o and u
// after its first character; then the first six characters are kept.
// "XEROX CORPORATION" gives "Xerox", "COMMISSARIAT A L`ENERGIE ATOM" gives
// "Cmmssr", "Hewlett Packard" gives "Hwltt".
std::string AbbreviateOrganization(std::string_view name);
