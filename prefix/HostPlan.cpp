// SPDX-License-Identifier: MIT
#include "prefix/HostPlan.h"

#include <algorithm>

#include "prefix/PrefixFacts.h"
#include "prefix/PrefixSets.h"

namespace {

constexpr U128 AllOnes = ~U128{0};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

Result<U128> ParseCount(std::string_view text) {
  Result<U128> r;
  for (const char c : text) {
    const U128 d = static_cast<unsigned>(c - '0');
    if (r.Value > (AllOnes - d) / 10) {
      r.Error = "the count is above 2^128 - 1";
      return r;
    }
    r.Value = r.Value * 10 + d;
  }
  if (r.Value == 0) r.Error = "the count is 0";
  return r;
}

Result<HostNeed> ParseNeed(std::size_t number, std::string_view line) {
  Result<HostNeed> r;
  HostNeed& need = r.Value;
  need.Line = number;
  const std::size_t split = line.find_last_of(" \t");
  const std::string_view last = split == std::string_view::npos ? line : line.substr(split + 1);
  need.Name = split == std::string_view::npos ? "line " + std::to_string(number)
                                              : std::string(line.substr(0, line.find_last_not_of(" \t", split) + 1));
  const bool length = last.front() == '/';
  const std::string_view digits = length ? last.substr(1) : last;
  if (digits.empty() || !std::all_of(digits.begin(), digits.end(), IsDigit)) {
    r.Error = "'" + std::string(last) + "' is neither a number of hosts nor a length like /24";
    return r;
  }
  if (length) {
    need.Length = digits.size() > 3 ? 1000 : static_cast<unsigned>(std::stoul(std::string(digits)));
    if (need.Length > 128) r.Error = "the length " + std::string(last) + " is above /128";
    return r;
  }
  const Result<U128> count = ParseCount(digits);
  need.Hosts = count.Value;
  r.Error = count.Error;
  return r;
}

}  // namespace

ParsedNeeds ParseNeeds(std::string_view text) {
  ParsedNeeds parsed;
  ForEachInputLine(text, [&parsed](std::size_t number, std::string_view line) {
    Result<HostNeed> need = ParseNeed(number, line);
    if (need.Ok())
      parsed.Needs.push_back(std::move(need.Value));
    else
      parsed.Errors.push_back({number, std::move(need.Error)});
  });
  return parsed;
}

Result<unsigned> BlockLength(AddressFamily family, U128 hosts) {
  Result<unsigned> r;
  const bool v4 = family == AddressFamily::V4;
  if (v4 && hosts > 0xFFFFFFFEu) {
    r.Error = DecimalText(hosts) + " hosts are more than IPv4 holds";
    return r;
  }
  if (v4 && hosts <= 2) {
    r.Value = hosts == 1 ? 32 : 31;
    return r;
  }
  // IPv4 blocks of 4 and more lose their network and broadcast addresses.
  const U128 addresses = v4 ? hosts + 2 : hosts;
  unsigned hostBits = 0;
  while (hostBits < 128 && (U128{1} << hostBits) < addresses) ++hostBits;
  r.Value = FamilyWidth(family) - hostBits;
  return r;
}

HostPlan PlanHosts(const IpPrefix& parent, const std::vector<HostNeed>& needs) {
  const IpPrefix whole = MakePrefix(parent.Network, parent.Length);
  const AddressFamily family = whole.Network.Family;
  const unsigned width = FamilyWidth(family);
  HostPlan plan;
  plan.Rows.reserve(needs.size());
  std::vector<unsigned> lengths;
  for (const HostNeed& need : needs) {
    PlannedNeed row{need, false, {}, {}};
    unsigned length = need.Length;
    if (need.Hosts != 0) {
      const Result<unsigned> block = BlockLength(family, need.Hosts);
      row.Reason = block.Error;
      length = block.Value;
    } else if (length > width) {
      row.Reason = "/" + std::to_string(length) + " is longer than /32";
    }
    if (row.Reason.empty() && length < whole.Length)
      row.Reason = "needs a /" + std::to_string(length) + ", larger than the parent /" + std::to_string(whole.Length);
    row.Block.Length = length;
    plan.Rows.push_back(std::move(row));
  }
  // Needs that cannot be met anywhere go last, in the order of their lines.
  std::stable_sort(plan.Rows.begin(), plan.Rows.end(), [](const PlannedNeed& a, const PlannedNeed& b) {
    return a.Reason.empty() != b.Reason.empty() ? a.Reason.empty() : a.Reason.empty() && a.Block.Length < b.Block.Length;
  });
  // Largest first, every block starts where the last ended and is aligned
  // there; the free space is the one range from `next` to the parent's end.
  U128 next = whole.Network.Value;
  const U128 end = LastAddress(whole).Value;
  bool full = false;
  for (PlannedNeed& row : plan.Rows) {
    if (!row.Reason.empty()) continue;
    const U128 size = HostMask(family, row.Block.Length);  // one less than the block's size
    if (full || end - next < size) {
      row.Reason = "needs a /" + std::to_string(row.Block.Length) + " (" + AddressCount(row.Block).DecimalText() +
                   " addresses); " + (full ? std::string("0") : DecimalText(end - next + 1)) + " left";
      continue;
    }
    row.Fits = true;
    row.Block.Network = {family, next};
    full = next + size == end;
    next += size + 1;
  }
  if (!full) plan.FreeBlocks = RangePrefixes({family, next, end});
  return plan;
}

std::array<std::string, PlanColumnCount> PlanRowTexts(const PlannedNeed& row) {
  const HostNeed& need = row.Need;
  std::array<std::string, PlanColumnCount> texts{
      need.Name, need.Hosts != 0 ? DecimalText(need.Hosts) : "/" + std::to_string(need.Length)};
  if (!row.Fits) {
    texts[2] = row.Reason;
    return texts;
  }
  texts[2] = PrefixText(row.Block);
  texts[3] = CanonicalText(row.Block.Network);
  texts[4] = CanonicalText(LastAddress(row.Block));
  const std::optional<HostRange> hosts = UsableHosts(row.Block);
  const PowerOfTwo addresses = AddressCount(row.Block);
  texts[5] = hosts ? std::to_string(hosts->Count) : addresses.DecimalText();
  if (need.Hosts != 0) {
    // The usable count less the hosts, in 128-bit arithmetic that 2^128 addresses wrap to 0 without harm.
    const U128 usable = hosts ? U128{hosts->Count} : addresses.Exponent == 128 ? 0 : U128{1} << addresses.Exponent;
    texts[6] = DecimalText(usable - need.Hosts);
  }
  return texts;
}
