// SPDX-License-Identifier: MIT
// ip and split: the Prefix Calculator's answers.
#include <array>
#include <charconv>
#include <optional>

#include "cli/Command.h"
#include "prefix/PrefixFacts.h"
#include "prefix/PrefixReport.h"
#include "subnet/BitMapColours.h"
#include "subnet/SubnetMath.h"

namespace {
std::string Joined(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) text += (text.empty() ? "" : " ") + word;
  return text;
}

AddressInput ParseInput(const std::string& argument, const std::string& text) {
  Result<AddressInput> parsed = ParseAddressInput(text);
  if (!parsed.Ok()) throw InputError(argument, "'" + text + "': " + parsed.Error);
  return parsed.Value;
}

std::string VendorOf(std::uint64_t mac) { return RegistryVendor(InstalledVendorRegistry(), mac); }

template <std::size_t N>
void AddFields(Report& report, const std::array<ReportField, N>& fields, const std::array<ReportText, N>& texts) {
  for (std::size_t i = 0; i < N; ++i) report.Fields.emplace_back(fields[i].Key, fields[i].Caption, texts[i]);
}

Report Ip(const Arguments& arguments) {
  const AddressInput input = ParseInput("ADDRESS", Joined(arguments.Positional));
  const IpPrefix prefix = InputPrefix(input);
  Report report;
  AddFields(report, AddressFields, AddressTexts(input, VendorOf));
  AddFields(report, PrefixFields, PrefixTexts(prefix));
  // The address as an integer, and the number of addresses.
  report.Fields[2].Number = report.Fields[AddressFieldCount + 7].Number = true;
  const auto width = static_cast<int>(FamilyWidth(prefix.Network.Family));
  report.Fields.emplace_back("bit_map", BitMapLegendText(PrefixBitMapTitle, false),
                             PrefixBitMapText(width, static_cast<int>(prefix.Length)));
  std::vector<std::string> enclosing;
  for (const IpPrefix& outer : EnclosingPrefixes(prefix)) enclosing.push_back(PrefixText(outer));
  report.Fields.push_back({"enclosing", "Enclosing Prefixes", std::move(enclosing)});
  return report;
}

// The row index of a row number as typed, from 1.
U128 RowIndex(const std::string& argument, std::string_view text) {
  const Result<U128> index = ParseRowNumber(text);
  if (!index.Ok()) throw InputError(argument, "'" + std::string(text) + "': " + index.Error);
  return index.Value;
}

void AddRowNumber(RowCells& cells, U128 index) {
  if (index < (U128{1} << 64) - 1) {
    char* room = cells.Room(20);
    cells.End(std::to_chars(room, room + 20, static_cast<std::uint64_t>(index + 1)).ptr);
  } else {
    cells.Add(RowNumberText(index));
  }
}

void AddIpv4(RowCells& cells, std::uint32_t address, const char* suffix = "") {
  char* end = WriteDottedDecimal(cells.Room(19), address);
  while (*suffix) *end++ = *suffix++;
  cells.End(end);
}

// Where the broadcast address and the hosts of an IPv4 subnet lie: the same in
// every subnet of a split, so found once, in its first.
struct Ipv4SubnetShape {
  explicit Ipv4SubnetShape(const IpPrefix& subnet)
      : Broadcast(BroadcastAddress(subnet).has_value()),
        HostsFrom(static_cast<std::uint32_t>(UsableHosts(subnet)->First.Value - subnet.Network.Value)),
        HostsTo(static_cast<std::uint32_t>(LastAddress(subnet).Value - UsableHosts(subnet)->Last.Value)) {}
  bool Broadcast;
  std::uint32_t HostsFrom;  // after the first address
  std::uint32_t HostsTo;    // before the last address
};

// An IPv4 subnet's cells as the Split page shows them, written straight into
// the row: the split of a /8 into /30s has 21 million addresses to print.
void AddIpv4Subnet(RowCells& cells, const IpPrefix& subnet, const Ipv4SubnetShape& shape, const char* suffix) {
  const auto first = static_cast<std::uint32_t>(subnet.Network.Value);
  const auto last = static_cast<std::uint32_t>(LastAddress(subnet).Value);
  AddIpv4(cells, first, suffix);
  AddIpv4(cells, first);
  AddIpv4(cells, last);
  if (shape.Broadcast)
    AddIpv4(cells, last);
  else
    cells.Add("none");
  char* end = WriteDottedDecimal(cells.Room(33), first + shape.HostsFrom);
  for (const char c : {' ', '-', ' '}) *end++ = c;
  cells.End(WriteDottedDecimal(end, last - shape.HostsTo));
}

Report Split(const Arguments& arguments) {
  const IpPrefix parent = InputPrefix(ParseInput("PREFIX", arguments.Positional[0]));
  std::string_view lengthText = arguments.Positional[1];
  if (lengthText.starts_with('/')) lengthText.remove_prefix(1);
  const auto length = static_cast<unsigned>(ParseCount("/M", lengthText, 128));
  Result<PrefixSplit> made = PrefixSplit::Make(parent, length);
  if (!made.Ok()) throw InputError("/M", made.Error);
  const PrefixSplit split = made.Value;
  const PowerOfTwo count = split.RowCount();
  // Rows first to last, both indices from 0; the last is past the end when the count exceeds 128 bits.
  U128 first = 0;
  U128 last = count.Exponent >= 128 ? ~U128{0} : (U128{1} << count.Exponent) - 1;
  if (arguments.Has("--first") && arguments.Has("--rows")) throw UsageError("--first and --rows exclude each other");
  if (const std::string* k = arguments.Value("--first")) {
    const U128 wanted = RowIndex("--first", *k);  // K - 1
    if (wanted < last) last = wanted;
  }
  if (const std::string* rows = arguments.Value("--rows")) {
    const std::size_t dots = rows->find("..");
    if (dots == std::string::npos) throw InputError("--rows", "'" + *rows + "' is not a range A..B");
    first = RowIndex("--rows", rows->substr(0, dots));
    const U128 end = RowIndex("--rows", rows->substr(dots + 2));
    if (end < first) throw InputError("--rows", "'" + *rows + "' ends before it starts");
    if (!count.Exceeds(end))
      throw InputError("--rows", "'" + *rows + "' goes past the last row, " + count.DecimalText());
    last = end;
  }
  const bool v4 = parent.Network.Family == AddressFamily::V4;
  Report report;
  report.Fields = {{"parent", "Parent", PrefixText(parent)},
                   {"subnet_length", "Subnet Length", std::to_string(length), true},
                   {"subnet_count", "Number of Subnets", count.DecimalText(), true}};
  const std::size_t addressWidth = v4 ? 15 : 39;
  Table table{"subnets",
              {{"number", "#", RowNumberText(last).size(), ColumnKind::Number},
               {"prefix", "Prefix", addressWidth + 4, ColumnKind::Plain},
               {"first", "First Address", addressWidth, ColumnKind::Plain},
               {"last", "Last Address", addressWidth, ColumnKind::Plain}},
              {}};
  if (v4)
    table.Columns.insert(table.Columns.end(), {{"broadcast", "Broadcast", addressWidth, ColumnKind::Plain},
                                               {"host_range", "Host Range", 2 * addressWidth + 3, ColumnKind::Plain}});
  std::optional<Ipv4SubnetShape> shape;
  if (v4) shape.emplace(*split.Row(0));
  table.Next = [split, shape, suffix = "/" + std::to_string(length), next = first, last,
                done = false](RowCells& cells) mutable {
    if (done) return false;
    const IpPrefix subnet = *split.Row(next);
    AddRowNumber(cells, next);
    if (shape) {
      AddIpv4Subnet(cells, subnet, *shape, suffix.c_str());
    } else {
      cells.Add(PrefixText(subnet));
      cells.Add(CanonicalText(subnet.Network));
      cells.Add(CanonicalText(LastAddress(subnet)));
    }
    done = next == last;
    ++next;
    return true;
  };
  report.Rows = std::move(table);
  return report;
}

const Command Commands[] = {
    {"ip", "ADDRESS[/N | MASK]",
     "An IPv4 or IPv6 address in every notation, what it is, and the network its prefix length or mask gives.",
     "orvane ip 10.1.2.3/22", {}, 1, 2, false, Ip},
    {"split", "PREFIX /M [--first K | --rows A..B]",
     "The subnets of length M in PREFIX, numbered from 1, with their first and last addresses (IPv4: broadcast and host range too).", "orvane split 10.0.0.0/8 /30 --first 4",
     {{"--first", "K", "only the first K subnets"}, {"--rows", "A..B", "only subnets A to B"}}, 2, 2, true, Split},
};
}  // namespace

std::span<const Command> PrefixCommands() { return Commands; }
