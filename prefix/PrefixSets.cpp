// SPDX-License-Identifier: MIT
#include "prefix/PrefixSets.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace {

std::string Quoted(std::string_view s) { return "'" + std::string(s) + "'"; }

std::string_view Trim(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") + 1 - first);
}

// The error of one item, which names it unless the error already does.
std::string ItemError(std::string_view item, const std::string& error) {
  return error.starts_with(Quoted(item)) ? error : Quoted(item) + ": " + error;
}

unsigned BitLength(U128 v) {
  const auto high = static_cast<std::uint64_t>(v >> 64);
  return high ? 128 - static_cast<unsigned>(std::countl_zero(high))
              : 64 - static_cast<unsigned>(std::countl_zero(static_cast<std::uint64_t>(v)));
}

unsigned TrailingZeros(U128 v) {
  const auto low = static_cast<std::uint64_t>(v);
  return low ? static_cast<unsigned>(std::countr_zero(low))
             : 64 + static_cast<unsigned>(std::countr_zero(static_cast<std::uint64_t>(v >> 64)));
}

U128 FamilyLast(AddressFamily family) { return HostMask(family, 0); }

void AppendRangePrefixes(const AddressRange& range, std::vector<IpPrefix>& out) {
  const unsigned width = FamilyWidth(range.Family);
  U128 first = range.First;
  for (;;) {
    // The count wraps to 0 only for a whole 128-bit space.
    const U128 count = range.Last - first + 1;
    const unsigned fits = count == 0 ? 128 : BitLength(count) - 1;
    const unsigned aligned = first == 0 ? width : TrailingZeros(first);
    const unsigned hostBits = std::min({fits, aligned, width});
    out.push_back({{range.Family, first}, width - hostBits});
    const U128 last = first | HostMask(range.Family, width - hostBits);
    if (last == range.Last) return;
    first = last + 1;
  }
}

// Calls `reserve` with the number of merged ranges, then `visit` with each in
// order. Each family is sorted on its own, an IPv4 range as one 64-bit number
// (first and last side by side), which sorts several times faster than the
// ranges; the sorted arrays are merged in place, since on a large list the
// time goes mostly into touching fresh memory.
template <typename Reserve, typename Visit>
void ForEachMergedRange(const std::vector<AddressRange>& ranges, Reserve reserve, Visit visit) {
  const auto v4Count = static_cast<std::size_t>(std::count_if(
      ranges.begin(), ranges.end(), [](const AddressRange& r) { return r.Family == AddressFamily::V4; }));
  std::vector<std::uint64_t> v4;
  std::vector<std::pair<U128, U128>> v6;
  v4.reserve(v4Count);
  v6.reserve(ranges.size() - v4Count);
  for (const AddressRange& r : ranges) {
    if (r.Family == AddressFamily::V4)
      v4.push_back(static_cast<std::uint64_t>(r.First) << 32 | static_cast<std::uint64_t>(r.Last));
    else
      v6.emplace_back(r.First, r.Last);
  }
  std::sort(v4.begin(), v4.end());
  std::sort(v6.begin(), v6.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  // Joins each range that overlaps or touches the last one kept into it.
  const auto join = [](auto& sorted, auto first, auto last, auto make, U128 familyLast) {
    std::size_t kept = 0;
    for (const auto& range : sorted) {
      if (kept > 0) {
        auto& previous = sorted[kept - 1];
        if (last(previous) == familyLast || first(range) <= last(previous) + 1) {
          if (last(range) > last(previous)) previous = make(first(previous), last(range));
          continue;
        }
      }
      sorted[kept++] = range;
    }
    sorted.resize(kept);
  };
  join(
      v4, [](std::uint64_t r) -> U128 { return r >> 32; }, [](std::uint64_t r) -> U128 { return r & 0xFFFFFFFF; },
      [](U128 first, U128 last) { return static_cast<std::uint64_t>(first) << 32 | static_cast<std::uint64_t>(last); },
      FamilyLast(AddressFamily::V4));
  join(
      v6, [](const std::pair<U128, U128>& r) { return r.first; }, [](const std::pair<U128, U128>& r) { return r.second; },
      [](U128 first, U128 last) { return std::pair<U128, U128>(first, last); }, FamilyLast(AddressFamily::V6));
  reserve(v4.size() + v6.size());
  for (const std::uint64_t r : v4) visit({AddressFamily::V4, r >> 32, r & 0xFFFFFFFF});
  for (const auto& [first, last] : v6) visit({AddressFamily::V6, first, last});
}

// Whether `a` comes before `b` in address order, IPv4 first.
bool Below(AddressFamily a, U128 aValue, AddressFamily b, U128 bValue) {
  return a != b ? a < b : aValue < bValue;
}

// The items of one line: blanks and commas separate them, and "a - b", "a -b",
// "a- b" join into one range "a-b".
std::vector<std::string> LineItems(std::string_view line) {
  std::vector<std::string> items;
  std::size_t i = 0;
  while (i < line.size()) {
    const std::size_t start = line.find_first_not_of(" \t,", i);
    if (start == std::string_view::npos) break;
    const std::size_t end = std::min(line.find_first_of(" \t,", start), line.size());
    const std::string_view word = line.substr(start, end - start);
    if (!items.empty() && (word.front() == '-' || items.back().back() == '-'))
      items.back() += word;
    else
      items.emplace_back(word);
    i = end;
  }
  return items;
}

bool IsDotted(std::string_view item) {
  return item.find('.') != std::string_view::npos && item.find_first_of(":/-") == std::string_view::npos;
}

// The entries of one line, or the error of its first item not understood.
Result<std::vector<SetEntry>> ParseLine(std::size_t number, std::string_view line) {
  Result<std::vector<SetEntry>> r;
  const std::vector<std::string> items = LineItems(line);
  for (std::size_t i = 0; i < items.size(); ++i) {
    const std::string& item = items[i];
    if (item.find('-') != std::string::npos) {
      const Result<AddressRange> range = ParseRange(item);
      if (!range.Ok()) {
        r.Error = ItemError(item, range.Error);
        return r;
      }
      r.Value.push_back({range.Value, number, true});
      continue;
    }
    Result<AddressInput> input = ParseAddressInput(item);
    // An IPv4 address followed by a mask or wildcard mask, as routers write them.
    if (input.Ok() && !input.Value.LengthGiven && input.Value.Address.Family == AddressFamily::V4 &&
        i + 1 < items.size() && IsDotted(items[i + 1])) {
      const Result<AddressInput> masked = ParseAddressInput(item + ' ' + items[i + 1]);
      if (masked.Ok()) {
        input = masked;
        ++i;
      }
    }
    if (!input.Ok()) {
      r.Error = ItemError(item, input.Error);
      return r;
    }
    r.Value.push_back({RangeOf(InputPrefix(input.Value)), number, false});
  }
  return r;
}

}  // namespace

AddressRange RangeOf(const IpPrefix& prefix) {
  return {prefix.Network.Family, prefix.Network.Value, LastAddress(prefix).Value};
}

std::string RangeText(const AddressRange& range) {
  return CanonicalText({range.Family, range.First}) + " - " + CanonicalText({range.Family, range.Last});
}

std::string EntryText(const SetEntry& entry) {
  return entry.WrittenAsRange ? RangeText(entry.Range) : PrefixText(RangePrefixes(entry.Range).front());
}

Result<AddressRange> ParseRange(std::string_view text) {
  Result<AddressRange> r;
  const std::size_t dash = text.find('-');
  const std::string_view ends[] = {Trim(text.substr(0, dash)),
                                   Trim(dash == std::string_view::npos ? std::string_view{} : text.substr(dash + 1))};
  IpAddress addresses[2];
  for (int i = 0; i < 2; ++i) {
    if (ends[i].empty()) {
      r.Error = i == 0 ? "no address before '-'" : "no address after '-'";
      return r;
    }
    const Result<AddressInput> input = ParseAddressInput(ends[i]);
    if (!input.Ok()) {
      r.Error = input.Error;
      return r;
    }
    if (input.Value.LengthGiven) {
      r.Error = "a range's ends are addresses, not prefixes";
      return r;
    }
    addresses[i] = input.Value.Address;
  }
  if (addresses[0].Family != addresses[1].Family) {
    r.Error = "a range's ends are of one family";
    return r;
  }
  if (addresses[0].Value > addresses[1].Value) {
    r.Error = "the range ends before it starts";
    return r;
  }
  r.Value = {addresses[0].Family, addresses[0].Value, addresses[1].Value};
  return r;
}

ParsedSet ParseSet(std::string_view text) {
  ParsedSet set;
  ForEachInputLine(text, [&set](std::size_t number, std::string_view line) {
    Result<std::vector<SetEntry>> entries = ParseLine(number, line);
    if (entries.Ok())
      set.Entries.insert(set.Entries.end(), entries.Value.begin(), entries.Value.end());
    else
      set.Errors.push_back({number, std::move(entries.Error)});
  });
  return set;
}

std::vector<IpPrefix> RangePrefixes(const AddressRange& range) {
  std::vector<IpPrefix> prefixes;
  AppendRangePrefixes(range, prefixes);
  return prefixes;
}

std::vector<AddressRange> MergeRanges(const std::vector<AddressRange>& ranges) {
  std::vector<AddressRange> merged;
  ForEachMergedRange(ranges, [&merged](std::size_t count) { merged.reserve(count); },
                     [&merged](const AddressRange& range) { merged.push_back(range); });
  return merged;
}

std::vector<IpPrefix> MergedPrefixes(const std::vector<AddressRange>& ranges) {
  std::vector<IpPrefix> prefixes;
  // Most merged ranges of a long list are one prefix or a few.
  ForEachMergedRange(ranges, [&prefixes](std::size_t count) { prefixes.reserve(count + count / 4); },
                     [&prefixes](const AddressRange& range) { AppendRangePrefixes(range, prefixes); });
  return prefixes;
}

std::vector<IpPrefix> SubtractedPrefixes(const std::vector<AddressRange>& from, const std::vector<AddressRange>& minus) {
  const std::vector<AddressRange> kept = MergeRanges(from);
  const std::vector<AddressRange> cut = MergeRanges(minus);
  std::vector<IpPrefix> prefixes;
  std::size_t next = 0;
  for (const AddressRange& range : kept) {
    // Ranges of `cut` wholly below this one are below every later one too.
    while (next < cut.size() && Below(cut[next].Family, cut[next].Last, range.Family, range.First)) ++next;
    U128 start = range.First;
    bool rest = true;
    for (std::size_t i = next; rest && i < cut.size() && cut[i].Family == range.Family && cut[i].First <= range.Last;
         ++i) {
      if (cut[i].First > start) AppendRangePrefixes({range.Family, start, cut[i].First - 1}, prefixes);
      rest = cut[i].Last < range.Last;
      start = cut[i].Last + 1;
    }
    if (rest) AppendRangePrefixes({range.Family, start, range.Last}, prefixes);
  }
  return prefixes;
}

std::vector<CoveringPrefix> CoveringPrefixes(const std::vector<AddressRange>& ranges) {
  std::vector<CoveringPrefix> covers;
  const std::vector<AddressRange> merged = MergeRanges(ranges);
  for (std::size_t i = 0; i < merged.size();) {
    const AddressFamily family = merged[i].Family;
    const U128 first = merged[i].First;
    U128 held = 0;  // wraps to 0 for all 2^128 addresses, which the subtraction below still gets right
    U128 last = 0;
    for (; i < merged.size() && merged[i].Family == family; ++i) {
      held += merged[i].Last - merged[i].First + 1;
      last = merged[i].Last;
    }
    const unsigned hostBits = BitLength(first ^ last);
    const IpPrefix prefix = MakePrefix({family, first}, FamilyWidth(family) - hostBits);
    const U128 size = hostBits == 128 ? 0 : U128{1} << hostBits;
    covers.push_back({prefix, size - held});
  }
  return covers;
}

std::vector<SetOverlap> FindOverlaps(const std::vector<SetEntry>& entries) {
  std::vector<std::size_t> order(entries.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&entries](std::size_t a, std::size_t b) {
    const AddressRange& x = entries[a].Range;
    const AddressRange& y = entries[b].Range;
    if (x.Family != y.Family || x.First != y.First) return Below(x.Family, x.First, y.Family, y.First);
    if (x.Last != y.Last) return x.Last > y.Last;
    return a < b;
  });
  std::vector<SetOverlap> overlaps;
  // The entry reaching highest so far in this family, and the first of the equal entries before.
  std::size_t reaching = 0;
  std::size_t firstEqual = 0;
  for (std::size_t k = 0; k < order.size(); ++k) {
    const std::size_t i = order[k];
    const AddressRange& range = entries[i].Range;
    if (k == 0 || entries[reaching].Range.Family != range.Family) {
      reaching = firstEqual = i;
      continue;
    }
    if (entries[firstEqual].Range == range) {
      overlaps.push_back({i, firstEqual, OverlapKind::Duplicate});
      continue;
    }
    firstEqual = i;
    const AddressRange& high = entries[reaching].Range;
    if (range.First <= high.Last)
      overlaps.push_back({i, reaching, range.Last <= high.Last ? OverlapKind::Inside : OverlapKind::Overlaps});
    if (range.Last > high.Last) reaching = i;
  }
  std::sort(overlaps.begin(), overlaps.end(), [](const SetOverlap& a, const SetOverlap& b) { return a.Entry < b.Entry; });
  return overlaps;
}

std::string OverlapText(const std::vector<SetEntry>& entries, const SetOverlap& overlap) {
  const SetEntry& entry = entries[overlap.Entry];
  const SetEntry& other = entries[overlap.Other];
  const std::string otherLine = "line " + std::to_string(other.Line);
  std::string text = "line " + std::to_string(entry.Line) + ": " + EntryText(entry);
  switch (overlap.Kind) {
    case OverlapKind::Duplicate: return text + " repeats " + otherLine;
    case OverlapKind::Inside: return text + " is inside " + EntryText(other) + " (" + otherLine + ")";
    case OverlapKind::Overlaps: break;
  }
  return text + " overlaps " + EntryText(other) + " (" + otherLine + ")";
}
