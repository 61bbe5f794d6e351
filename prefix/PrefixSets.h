// SPDX-License-Identifier: MIT
#pragma once
// Sets of addresses of both families: lists of prefixes, addresses and ranges
// read line by line, merged into the fewest prefixes, covered by one prefix,
// checked for overlaps, subtracted from one another, and ranges cut into
// prefixes. Results come in address order, IPv4 before IPv6.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "prefix/Address.h"
#include "prefix/InputLines.h"

// The addresses from First to Last, both included, of one family.
struct AddressRange {
  AddressFamily Family = AddressFamily::V4;
  U128 First = 0;
  U128 Last = 0;
  bool operator==(const AddressRange&) const = default;
};

AddressRange RangeOf(const IpPrefix& prefix);
// "192.0.2.5 - 192.0.2.20".
std::string RangeText(const AddressRange& range);

// One item of a list: a prefix ("10.0.0.0/8", "10.0.0.0 255.0.0.0", its host
// bits dropped), an address, or a range ("10.0.0.5 - 10.0.0.20").
struct SetEntry {
  AddressRange Range;
  std::size_t Line = 0;
  bool WrittenAsRange = false;
};
// The entry as a prefix, or as a range when it was written as one.
std::string EntryText(const SetEntry& entry);

struct ParsedSet {
  std::vector<SetEntry> Entries;
  std::vector<LineError> Errors;
};

// Reads a list: items one a line or separated by commas and blanks, '#'
// comments. A line with anything not understood is named in Errors and left
// out whole; the other lines are used.
ParsedSet ParseSet(std::string_view text);

// The prefixes from First to Last: the fewest, in address order.
std::vector<IpPrefix> RangePrefixes(const AddressRange& range);
// Result<range> of "a - b" (or "a-b"): both addresses of one family, a not above b.
Result<AddressRange> ParseRange(std::string_view text);

// The addresses of `ranges` as the fewest disjoint, non-adjacent ranges, in order.
std::vector<AddressRange> MergeRanges(const std::vector<AddressRange>& ranges);
// The fewest prefixes holding exactly the addresses of `ranges`.
std::vector<IpPrefix> MergedPrefixes(const std::vector<AddressRange>& ranges);
// The addresses of `from` that are not in `minus`, as the fewest prefixes.
std::vector<IpPrefix> SubtractedPrefixes(const std::vector<AddressRange>& from, const std::vector<AddressRange>& minus);

// The longest prefix holding every address of one family, and how many
// addresses it holds that the set does not.
struct CoveringPrefix {
  IpPrefix Prefix;
  U128 Added = 0;
};
// One per family present, IPv4 first.
std::vector<CoveringPrefix> CoveringPrefixes(const std::vector<AddressRange>& ranges);

// An entry meeting one listed before it in address order (the longer first
// among those starting together, the earlier line among equals).
enum class OverlapKind { Duplicate, Inside, Overlaps };
struct SetOverlap {
  std::size_t Entry = 0;  // indices into the entries
  std::size_t Other = 0;
  OverlapKind Kind = OverlapKind::Overlaps;
};
// Each entry that duplicates, lies inside or overlaps another, once, in the order of their lines.
std::vector<SetOverlap> FindOverlaps(const std::vector<SetEntry>& entries);
// "line 4: 10.1.0.0/16 is inside 10.0.0.0/8 (line 2)".
std::string OverlapText(const std::vector<SetEntry>& entries, const SetOverlap& overlap);
