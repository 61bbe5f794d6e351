// SPDX-License-Identifier: MIT
#include "prefix/SplitRows.h"

#include <optional>

namespace {
enum Column { RowNumber, Subnet, First, Last, Broadcast, Hosts };
}  // namespace

std::vector<std::string> SplitRows::Headings(AddressFamily family) {
  std::vector<std::string> headings = {"#", "Subnet", "First Address", "Last Address"};
  if (family == AddressFamily::V4) headings.insert(headings.end(), {"Broadcast", "Host Range"});
  return headings;
}

U128 SplitRows::LastRow() const {
  const unsigned exponent = split_.RowCount().Exponent;
  return exponent == 128 ? ~U128{0} : (U128{1} << exponent) - 1;
}

void SplitRows::AppendText(U128 row, int col, std::string& out) const {
  const std::optional<IpPrefix> subnet = split_.Row(row);
  if (!subnet) return;
  switch (col) {
    case RowNumber: out += RowNumberText(row); break;
    case Subnet: out += PrefixText(*subnet); break;
    case First: out += CanonicalText(subnet->Network); break;
    case Last: out += CanonicalText(LastAddress(*subnet)); break;
    case Broadcast:
      if (const std::optional<IpAddress> broadcast = BroadcastAddress(*subnet))
        out += CanonicalText(*broadcast);
      else
        out += "none";
      break;
    case Hosts:
      if (const std::optional<HostRange> hosts = UsableHosts(*subnet))
        out += CanonicalText(hosts->First) + " - " + CanonicalText(hosts->Last);
      break;
    default: break;
  }
}

std::vector<std::string> SplitRows::WidestTexts(int col) const {
  std::vector<std::string> texts(2);
  AppendText(0, col, texts[0]);
  AppendText(LastRow(), col, texts[1]);
  return texts;
}
