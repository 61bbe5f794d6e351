// SPDX-License-Identifier: MIT
// subnet: the classful subnet calculator's answers and its subnets/hosts table.
#include "cli/Command.h"
#include "prefix/Address.h"
#include "subnet/BitMapColours.h"
#include "subnet/SubnetMath.h"
#include "subnet/SubnetRows.h"
#include "subnet/SubnetTable.h"

namespace {
std::uint32_t ParseIpv4(const std::string& text) {
  const Result<AddressInput> parsed = ParseAddressInput(text);
  if (!parsed.Ok()) throw InputError("ADDRESS", "'" + text + "': " + parsed.Error);
  if (parsed.Value.Address.Family != AddressFamily::V4 || parsed.Value.LengthGiven)
    throw InputError("ADDRESS", "'" + text + "': give an IPv4 address alone and its mask with --mask-bits");
  return static_cast<std::uint32_t>(parsed.Value.Address.Value);
}

std::int32_t ParseSubnetNumber(const Arguments& arguments, const char* option, std::int32_t fallback,
                               const TSubnetNumberBounds& bounds) {
  const std::string* text = arguments.Value(option);
  if (!text) return fallback;
  const unsigned long long value = ParseCount(option, *text, 2147483647);
  if (value < static_cast<unsigned long long>(bounds.Lowest) || value > static_cast<unsigned long long>(bounds.Highest))
    throw InputError(option, SubnetNumberHint(bounds));
  return static_cast<std::int32_t>(value);
}

Report Subnet(const Arguments& arguments) {
  const std::uint32_t address = ParseIpv4(arguments.Positional[0]);
  const TFirstOctetVerdict verdict = ValidateFirstOctet(static_cast<std::uint8_t>(address >> 24), address);
  if (verdict.Message) throw InputError("ADDRESS", *verdict.Message);
  const AddressClass addressClass = verdict.Class;
  const bool rfc1878 = arguments.Has("--rfc1878");
  const std::vector<TSubnetRow> rows = SubnetRows(addressClass, rfc1878);
  if (!arguments.Has("--mask-bits")) throw UsageError("--mask-bits N is needed");
  const unsigned long long maskBits = ParseCount("--mask-bits", *arguments.Value("--mask-bits"), 32);
  const TSubnetRow* row = nullptr;
  for (const TSubnetRow& candidate : rows)
    if (candidate.MaskBits == maskBits) row = &candidate;
  if (!row)
    throw InputError("--mask-bits", std::string("a class ") + static_cast<char>('A' + addressClass) + " address takes " +
                                        std::to_string(rows.front().MaskBits) + " to " +
                                        std::to_string(rows.back().MaskBits) +
                                        (rfc1878 ? "" : " (without --rfc1878)"));
  const int hostBits = 32 - static_cast<int>(row->MaskBits);
  const TSubnetNumberBounds bounds = SubnetNumberBounds(static_cast<int>(row->SubnetBits), rfc1878);
  const std::int32_t from = ParseSubnetNumber(arguments, "--from", bounds.Lowest, bounds);
  const std::int32_t to = ParseSubnetNumber(arguments, "--to", bounds.Highest, bounds);
  if (to < from) throw InputError("--to", "must not be below --from");

  auto number = [](std::uint32_t value) { return std::to_string(value); };
  Report report;
  report.Fields = {
      {"address", "IP Address", FormatDottedDecimal(address)},
      {"class", "Address Type", ClassItemText(addressClass)},
      {"class_bit_map", BitMapLegendText(ClassBitMapTitle(addressClass), false), ClassBitMapPattern(addressClass)},
      {"binary", "Binary", FormatDottedBinary(address)},
      {"hex", "Hexadecimal", FormatDottedHex(address)},
      {"subnet_bits", "Subnet Bits", number(row->SubnetBits), true},
      {"mask_bits", "Mask Bits", number(row->MaskBits), true},
      {"subnet_mask", "Subnet Mask", FormatDottedDecimal(row->Mask)},
      {"subnet_count", "Max # of Subnets", number(row->SubnetCount), true},
      {"hosts_per_subnet", "Max # of Hosts/Subnet", number(row->HostCount), true},
      {"subnet_bit_map", BitMapLegendText(SubnetBitMapTitle, true),
       SubnetBitMapPattern(addressClass, static_cast<int>(row->SubnetBits), hostBits)},
      {"host_range", "Subnet Host Address Range", SubnetHostRange(address, row->Mask)},
      {"subnet_id", "Subnet ID", FormatDottedDecimal(address & row->Mask)},
      {"subnet_broadcast", "Subnet Broadcast", FormatDottedDecimal(address | ~row->Mask)},
  };
  const TSubnetTableRows table({address & ClassNetworkMask(addressClass), hostBits, from, to});
  auto widest = [&table](int column) {
    std::size_t width = 0;
    for (const std::string& text : table.WidestTexts(column)) width = std::max(width, text.size());
    return width;
  };
  report.Rows = Table{"subnets",
                      {{"number", "#", widest(0), ColumnKind::Number},
                       {"subnet_id", "Subnet ID", widest(1), ColumnKind::Plain},
                       {"host_range", "Host Range", widest(2), ColumnKind::Plain},
                       {"subnet_broadcast", "Subnet Broadcast", widest(3), ColumnKind::Plain}},
                      [table, next = std::uint32_t{0}, done = false](RowCells& cells) mutable {
                        if (done) return false;
                        for (int column = 0; column < TSubnetTableRows::Columns; ++column)
                          cells.AddWith([&](std::string& out) { table.AppendText(next, column, out); });
                        done = next == table.LastRow();
                        ++next;
                        return true;
                      }};
  return report;
}

const Command Commands[] = {
    {"subnet", "ADDRESS --mask-bits N [--rfc1878] [--from A --to B]",
     "The classful subnets of ADDRESS's network under a mask of N bits, and the subnets/hosts table.",
     "orvane subnet 172.16.5.9 --mask-bits 20 --from 1 --to 4",
     {{"--mask-bits", "N", "bits of the subnet mask"},
      {"--rfc1878", nullptr, "allow one subnet bit and the all-zeros and all-ones subnets"},
      {"--from", "A", "first subnet of the table"},
      {"--to", "B", "last subnet of the table"}},
     1, 1, true, Subnet},
};
}  // namespace

std::span<const Command> SubnetCommands() { return Commands; }
