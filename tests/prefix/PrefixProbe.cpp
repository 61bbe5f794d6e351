// SPDX-License-Identifier: MIT
// Prints what the address core makes of each input line, one tab-separated
// line per input, for compare-with-ipaddress.py to check against Python's
// ipaddress. "split <prefix> <length> <index>" prints that row instead;
// "merge <prefix>...", "exclude <prefix> <prefix>" and "range <first> <last>"
// print the prefixes of the merge, the difference and the range.
#include <iostream>
#include <sstream>
#include <string>

#include "prefix/PrefixFacts.h"
#include "prefix/AddressBlocks.h"
#include "prefix/PrefixSets.h"

namespace {

std::string Flag(bool b) { return b ? "1" : "0"; }

std::string Ipv4OrDash(const std::optional<IpAddress>& a) { return a ? CanonicalText(*a) : "-"; }

void PrintFacts(const AddressInput& input) {
  const IpAddress a = input.Address;
  const AddressFamily f = a.Family;
  const IpPrefix p = InputPrefix(input);
  const RegistryBlock& block = ClassifyAddress(a);
  const auto teredo = TeredoOf(a);
  const auto mapped = block.Kind == AddressKind::Ipv4Mapped ? EmbeddedIpv4(a) : std::nullopt;
  const auto sixToFour = block.Kind == AddressKind::SixToFour ? EmbeddedIpv4(a) : std::nullopt;
  std::cout << (f == AddressFamily::V4 ? 4 : 6) << '\t' << CanonicalText(a) << '\t' << FullText(a) << '\t'
            << DecimalText(a.Value) << '\t' << HexText(a) << '\t' << ReverseDnsName(a) << '\t' << PrefixText(p)
            << '\t' << CanonicalText(LastAddress(p)) << '\t' << CanonicalText({f, NetworkMask(f, p.Length)}) << '\t'
            << CanonicalText({f, HostMask(f, p.Length)}) << '\t' << AddressCount(p).DecimalText() << '\t'
            << Flag(block.Kind == AddressKind::Multicast) << '\t' << Flag(block.Kind == AddressKind::Loopback)
            << '\t' << Flag(block.Kind == AddressKind::LinkLocal) << '\t'
            << Flag(block.Kind == AddressKind::Unspecified) << '\t' << Flag(block.GloballyReachable)
            << '\t' << Ipv4OrDash(mapped) << '\t' << Ipv4OrDash(sixToFour) << '\t'
            << (teredo ? CanonicalText(teredo->Server) + ' ' + CanonicalText(teredo->Client) : "-") << '\n';
}

void PrintSplitRow(std::istringstream& words) {
  std::string prefix, index;
  unsigned length = 0;
  words >> prefix >> length >> index;
  const auto input = ParseAddressInput(prefix);
  const auto k = ParseRowNumber(index);
  const auto split = PrefixSplit::Make(InputPrefix(input.Value), length);
  if (!input.Ok() || !k.Ok() || !split.Ok()) {
    std::cout << "error: " << input.Error << k.Error << split.Error << '\n';
    return;
  }
  const auto row = split.Value.Row(k.Value);
  std::cout << (row ? PrefixText(*row) : "-") << '\t' << split.Value.RowCount().DecimalText() << '\n';
}

void PrintPrefixes(const std::vector<IpPrefix>& prefixes) {
  std::string line;
  for (const IpPrefix& p : prefixes) line += (line.empty() ? "" : " ") + PrefixText(p);
  std::cout << line << '\n';
}

// The ranges of the rest of the line, one per word.
std::vector<AddressRange> WordRanges(std::istringstream& words) {
  std::string rest;
  std::getline(words, rest);
  std::vector<AddressRange> ranges;
  for (const SetEntry& e : ParseSet(rest).Entries) ranges.push_back(e.Range);
  return ranges;
}

void PrintSetOperation(const std::string& operation, std::istringstream& words) {
  if (operation == "range") {
    std::string first, last;
    words >> first >> last;
    const auto range = ParseRange(first + " - " + last);
    if (range.Ok())
      PrintPrefixes(RangePrefixes(range.Value));
    else
      std::cout << "error: " << range.Error << '\n';
    return;
  }
  const std::vector<AddressRange> ranges = WordRanges(words);
  if (operation == "merge")
    PrintPrefixes(MergedPrefixes(ranges));
  else
    PrintPrefixes(SubtractedPrefixes({ranges.front()}, {ranges.back()}));
}

}  // namespace

int main() {
  std::string line;
  while (std::getline(std::cin, line)) {
    std::istringstream words(line);
    std::string first;
    words >> first;
    if (first == "split") {
      PrintSplitRow(words);
      continue;
    }
    if (first == "merge" || first == "exclude" || first == "range") {
      PrintSetOperation(first, words);
      continue;
    }
    const auto input = ParseAddressInput(line);
    if (input.Ok())
      PrintFacts(input.Value);
    else
      std::cout << "error: " << input.Error << '\n';
  }
}
