// SPDX-License-Identifier: MIT
// What people type, paste or pipe into the Prefix Calculator and the command
// line, on any text: an address line, a list of sets, a plan's needs and a MAC
// address. Nothing crashes, and what is read keeps its meaning: an address
// reads back from its canonical text, merging keeps exactly the listed
// addresses, subtraction leaves none of the removed ones, and planned blocks
// lie inside their parent without overlapping.
#include <algorithm>
#include <string>
#include <vector>

#include "fuzz/FuzzInput.h"
#include "prefix/HostPlan.h"
#include "prefix/PrefixReport.h"
#include "prefix/PrefixSets.h"
#include "prefix/ReverseZones.h"
#include "radix/MacAddress.h"

namespace {
void CheckAddressLine(const std::string& text) {
  const Result<AddressInput> input = ParseAddressInput(text);
  if (!input.Ok()) return;
  const Result<AddressInput> again = ParseAddressInput(CanonicalText(input.Value.Address));
  FUZZ_CHECK(again.Ok() && again.Value.Address.Family == input.Value.Address.Family &&
             again.Value.Address.Value == input.Value.Address.Value);
  AddressTexts(input.Value, [](std::uint64_t) { return std::string("vendor"); });
  PrefixTexts(InputPrefix(input.Value));
  FUZZ_CHECK(!ReverseZonesOf(InputPrefix(input.Value)).Zones.empty());
}

std::vector<AddressRange> RangesOf(const std::vector<IpPrefix>& prefixes) {
  std::vector<AddressRange> ranges;
  for (const IpPrefix& prefix : prefixes) ranges.push_back(RangeOf(prefix));
  return ranges;
}

bool Meets(const AddressRange& a, const AddressRange& b) {
  return a.Family == b.Family && a.First <= b.Last && b.First <= a.Last;
}

void CheckSets(const std::string& text) {
  const ParsedSet set = ParseSet(text);
  std::vector<AddressRange> listed;
  for (const SetEntry& entry : set.Entries) listed.push_back(entry.Range);
  const std::vector<AddressRange> merged = MergeRanges(listed);
  FUZZ_CHECK(MergeRanges(RangesOf(MergedPrefixes(listed))) == merged);
  for (const CoveringPrefix& covering : CoveringPrefixes(listed))
    for (const AddressRange& range : merged)
      FUZZ_CHECK(range.Family != covering.Prefix.Network.Family || Meets(range, RangeOf(covering.Prefix)));
  for (const SetOverlap& overlap : FindOverlaps(set.Entries)) OverlapText(set.Entries, overlap);
  // The second half of the list taken from the first.
  const std::vector<AddressRange> minus(listed.begin() + static_cast<std::ptrdiff_t>(listed.size() / 2), listed.end());
  for (const AddressRange& left : RangesOf(SubtractedPrefixes(listed, minus))) {
    FUZZ_CHECK(std::none_of(minus.begin(), minus.end(), [&](const AddressRange& m) { return Meets(left, m); }));
    FUZZ_CHECK(std::any_of(merged.begin(), merged.end(), [&](const AddressRange& m) {
      return m.Family == left.Family && m.First <= left.First && left.Last <= m.Last;
    }));
  }
}

void CheckPlan(const std::string& text, const char* parentText) {
  const IpPrefix parent = InputPrefix(ParseAddressInput(parentText).Value);
  const ParsedNeeds needs = ParseNeeds(text);
  const HostPlan plan = PlanHosts(parent, needs.Needs);
  FUZZ_CHECK(plan.Rows.size() == needs.Needs.size());
  std::vector<AddressRange> blocks;
  for (const PlannedNeed& row : plan.Rows) {
    PlanRowTexts(row);
    if (row.Fits) blocks.push_back(RangeOf(row.Block));
  }
  for (const AddressRange& block : RangesOf(plan.FreeBlocks)) blocks.push_back(block);
  std::sort(blocks.begin(), blocks.end(), [](const AddressRange& a, const AddressRange& b) { return a.First < b.First; });
  const AddressRange whole = RangeOf(parent);
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    FUZZ_CHECK(blocks[i].Family == whole.Family && whole.First <= blocks[i].First && blocks[i].Last <= whole.Last);
    FUZZ_CHECK(i == 0 || blocks[i - 1].Last < blocks[i].First);
  }
}

void CheckMac(const std::string& text) {
  const std::optional<TMacAddress> mac = ParseMacAddress(text);
  if (!mac) return;
  for (const std::string& notation : MacNotations(*mac)) FUZZ_CHECK(ParseMacAddress(notation) == mac);
  FUZZ_CHECK(BitSwapped(BitSwapped(*mac)) == *mac);
  LinkLocalAddressOf(*mac);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TFuzzInput input(data, size);
  const auto what = input.Take<std::uint8_t>();
  const std::string text = input.Rest();
  switch (what % 5) {
    case 0:
      CheckAddressLine(text);
      break;
    case 1:
      CheckSets(text);
      break;
    case 2:
      CheckPlan(text, "10.0.0.0/8");
      break;
    case 3:
      CheckPlan(text, "2001:db8::/32");
      break;
    default:
      CheckMac(text);
  }
  return 0;
}
