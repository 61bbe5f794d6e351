// SPDX-License-Identifier: MIT
// merge, exclude, range, plan and reverse: the Prefix Calculator's sets,
// host-count plans and reverse zones.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>

#include "cli/Command.h"
#include "prefix/HostPlan.h"
#include "prefix/PrefixSets.h"
#include "prefix/ReverseZones.h"

namespace {
// Standard input a line at a time, in one buffer.
class LineReader {
 public:
  LineReader() = default;
  LineReader(const LineReader&) = delete;
  LineReader& operator=(const LineReader&) = delete;
  ~LineReader() { std::free(buffer_); }
  std::optional<std::string_view> Next() {
    const ssize_t length = ::getline(&buffer_, &capacity_, stdin);
    if (length < 0) return std::nullopt;
    return std::string_view(buffer_, static_cast<std::size_t>(length));
  }

 private:
  char* buffer_ = nullptr;
  std::size_t capacity_ = 0;
};

// The ranges of a list's items; a line not understood is an error naming it.
void AddItems(std::vector<AddressRange>& ranges, const std::string& where, std::string_view text) {
  const ParsedSet set = ParseSet(text);
  if (!set.Errors.empty()) throw InputError(where, set.Errors.front().Error);
  for (const SetEntry& entry : set.Entries) ranges.push_back(entry.Range);
}

// The table of a list of prefixes, which the table keeps alive.
Table PrefixTable(std::vector<IpPrefix> prefixes) {
  auto rows = std::make_shared<std::vector<IpPrefix>>(std::move(prefixes));
  const bool v6 = std::ranges::any_of(*rows, [](const IpPrefix& p) { return p.Network.Family == AddressFamily::V6; });
  const std::size_t width = v6 ? 39 : 15;
  return {"prefixes",
          {{"prefix", "Prefix", width + 4, ColumnKind::Plain},
           {"first", "First Address", width, ColumnKind::Plain},
           {"last", "Last Address", width, ColumnKind::Plain}},
          [rows, next = std::size_t{0}](RowCells& cells) mutable {
            if (next == rows->size()) return false;
            const IpPrefix& prefix = (*rows)[next++];
            cells.Add(PrefixText(prefix));
            cells.Add(CanonicalText(prefix.Network));
            cells.Add(CanonicalText(LastAddress(prefix)));
            return true;
          }};
}

Report Merge(const Arguments& arguments) {
  std::vector<AddressRange> ranges;
  if (!arguments.Positional.empty()) {
    for (std::size_t i = 0; i < arguments.Positional.size(); ++i)
      AddItems(ranges, "ITEM " + std::to_string(i + 1), arguments.Positional[i]);
  } else {
    // Line by line: only the ranges are kept, merged whenever they have doubled.
    LineReader input;
    std::size_t merged = 0;
    for (std::size_t number = 1; const std::optional<std::string_view> line = input.Next(); ++number) {
      AddItems(ranges, "standard input line " + std::to_string(number), *line);
      if (ranges.size() >= 2 * merged + 65536) {
        ranges = MergeRanges(std::move(ranges));
        merged = ranges.size();
      }
    }
  }
  Report report;
  report.Rows = PrefixTable(MergedPrefixes(ranges));
  return report;
}

Report Exclude(const Arguments& arguments) {
  std::vector<AddressRange> list;
  std::vector<AddressRange> minus;
  AddItems(list, "LIST", arguments.Positional[0]);
  AddItems(minus, "EXCLUDED", arguments.Positional[1]);
  Report report;
  report.Rows = PrefixTable(SubtractedPrefixes(list, minus));
  return report;
}

Report Range(const Arguments& arguments) {
  const std::string text = arguments.Positional[0] + " - " + arguments.Positional[1];
  const Result<AddressRange> range = ParseRange(text);
  if (!range.Ok()) throw InputError("A B", "'" + text + "': " + range.Error);
  Report report;
  report.Fields = {{"range", "Range", RangeText(range.Value)}};
  report.Rows = PrefixTable(RangePrefixes(range.Value));
  return report;
}

// A list read whole, from a file or standard input, as long as lists may be.
std::string ReadList(const Arguments& arguments) {
  const std::string* path = arguments.Value("--file");
  std::FILE* file = path ? std::fopen(path->c_str(), "rb") : stdin;
  if (!file) throw InputError("--file", "cannot read '" + *path + "'");
  std::string text;
  char chunk[1 << 16];
  for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;) {
    text.append(chunk, got);
    if (text.size() > MaxListBytes) break;
  }
  const bool failed = std::ferror(file);
  if (path) std::fclose(file);
  const std::string where = path ? "--file" : "standard input";
  if (failed) throw InputError(where, "cannot be read");
  if (const std::string tooLong = ListTooLongText(text.size()); !tooLong.empty()) throw InputError(where, tooLong);
  return text;
}

Report Plan(const Arguments& arguments) {
  const Result<AddressInput> parent = ParseAddressInput(arguments.Positional[0]);
  if (!parent.Ok()) throw InputError("PARENT", "'" + arguments.Positional[0] + "': " + parent.Error);
  const ParsedNeeds needs = ParseNeeds(ReadList(arguments));
  if (!needs.Errors.empty()) throw InputError("NEEDS", LineErrorText(needs.Errors.front()));
  const HostPlan plan = PlanHosts(InputPrefix(parent.Value), needs.Needs);
  std::vector<std::string> free;
  for (const IpPrefix& block : plan.FreeBlocks) free.push_back(PrefixText(block));
  Report report;
  report.Fields.emplace_back("free", "Free Blocks", std::move(free));
  // A plan has few rows: their texts are made at once, and give the columns' widths.
  auto rows = std::make_shared<std::vector<std::array<std::string, PlanColumnCount>>>();
  for (const PlannedNeed& row : plan.Rows) rows->push_back(PlanRowTexts(row));
  const char* columns[PlanColumnCount][2] = {{"name", "Name"},         {"hosts", "Hosts"},   {"prefix", "Prefix"},
                                             {"first", "First Address"}, {"last", "Last Address"},
                                             {"usable", "Usable"},       {"wasted", "Wasted"}};
  Table table{"needs", {}, [rows, next = std::size_t{0}](RowCells& cells) mutable {
                if (next == rows->size()) return false;
                for (const std::string& text : (*rows)[next++]) cells.Add(text);
                return true;
              }};
  for (std::size_t i = 0; i < PlanColumnCount; ++i) {
    std::size_t width = 0;
    for (const auto& row : *rows) width = std::max(width, row[i].size());
    table.Columns.emplace_back(columns[i][0], columns[i][1], width);
  }
  report.Rows = std::move(table);
  return report;
}

Report Reverse(const Arguments& arguments) {
  const Result<AddressInput> input = ParseAddressInput(arguments.Positional[0]);
  if (!input.Ok()) throw InputError("PREFIX", "'" + arguments.Positional[0] + "': " + input.Error);
  const ReverseZones zones = ReverseZonesOf(InputPrefix(input.Value));
  std::vector<std::string> cnames;
  for (const ReverseCname& cname : zones.Cnames) cnames.push_back(CnameText(cname));
  Report report;
  report.Fields.emplace_back("zones", "Zones", zones.Zones);
  report.Fields.emplace_back("cname_zone", "CNAME Zone",
                             zones.CnameZone.empty() ? std::nullopt : std::optional(zones.CnameZone));
  report.Fields.emplace_back("cnames", "CNAME Records", std::move(cnames));
  return report;
}

const Command Commands[] = {
    {"merge", "[ITEM...]",
     "The fewest prefixes holding the items (prefixes, addresses, ranges a - b), given as arguments or one a "
     "line on standard input.",
     "sort -u prefixes.txt | orvane merge --csv", {}, 0, 1000000, true, Merge},
    {"exclude", "LIST EXCLUDED",
     "The addresses of LIST that are not in EXCLUDED, as the fewest prefixes; each a list of items separated "
     "by commas.",
     "orvane exclude 10.0.0.0/8 10.1.0.0/16,10.2.3.0/24", {}, 2, 2, true, Exclude},
    {"range", "A B", "The fewest prefixes that hold the addresses from A to B.", "orvane range 10.0.0.5 10.0.0.20",
     {}, 2, 2, true, Range},
    {"plan", "PARENT [--file NEEDS]",
     "Needs of hosts (\"Sales 500\", \"Link /30\"), one a line on standard input, carved out of PARENT from the "
     "largest down, and the blocks left free.",
     "printf 'Sales 500\\nLab 60\\nLink /30\\n' | orvane plan 10.20.0.0/22",
     {{"--file", "NEEDS", "read the needs from a file"}}, 1, 1, true, Plan},
    {"reverse", "PREFIX", "The reverse DNS zones to delegate for PREFIX, with the CNAME records of RFC 2317.",
     "orvane reverse 192.0.2.0/26", {}, 1, 1, false, Reverse},
};
}  // namespace

std::span<const Command> SetCommands() { return Commands; }
