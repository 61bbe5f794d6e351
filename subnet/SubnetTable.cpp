// SPDX-License-Identifier: MIT
#include "subnet/SubnetTable.h"

#include <algorithm>
#include <charconv>

#include "subnet/SubnetMath.h"

TSubnetNumberBounds SubnetNumberBounds(int subnetBits, bool allow1SubnetBit) {
  const std::int64_t subnets = std::int64_t{1} << std::clamp(subnetBits, 1, 30);
  return allow1SubnetBit ? TSubnetNumberBounds{0, static_cast<std::int32_t>(subnets - 1)}
                         : TSubnetNumberBounds{1, static_cast<std::int32_t>(subnets - 2)};
}

std::string SubnetNumberHint(const TSubnetNumberBounds& bounds) {
  return "Enter a number between " + std::to_string(bounds.Lowest) + " and " + std::to_string(bounds.Highest);
}

namespace {
// An address with every octet at the most digits it has among the addresses
// first, first + step, ... first + (count - 1) * step. Below its lowest
// changing bit (step is a power of two) an octet keeps first's bits; an octet
// under the same higher octets all along goes no higher than in the last
// address; any other octet wraps, so it reaches its highest value.
std::uint32_t WidestAddress(std::uint32_t first, std::uint32_t step, std::uint32_t count) {
  const std::uint32_t last = first + (count - 1) * step;
  const std::uint32_t fixedBits = step - 1;
  std::uint32_t widest = 0;
  for (int shift = 24; shift >= 0; shift -= 8) {
    const std::uint32_t octetMask = 0xFFu << shift;
    const std::uint32_t higher = shift == 24 ? 0 : ~0u << (shift + 8);
    std::uint32_t octet;
    if ((first & higher) == (last & higher))
      octet = last & octetMask;
    else
      octet = (octetMask & ~fixedBits) | (first & octetMask & fixedBits);
    widest |= octet;
  }
  return widest;
}

void AppendAddress(std::string& out, std::uint32_t address) {
  char text[16];
  out.append(text, WriteDottedDecimal(text, address));
}
}  // namespace

TSubnetTableRows::TSubnetTableRows(const TSubnetTableInputs& inputs)
    : From(inputs.From),
      Last(static_cast<std::uint32_t>(std::max<std::int64_t>(0, std::int64_t{inputs.To} - inputs.From))),
      Step(std::uint32_t{1} << std::clamp(inputs.HostBits, 0, 31)) {
  // Unsigned arithmetic: the bounds keep every listed subnet inside the class network.
  First = inputs.Network + static_cast<std::uint32_t>(inputs.From) * Step;
}

void TSubnetTableRows::AppendText(std::uint32_t row, int column, std::string& out) const {
  const std::uint32_t subnet = First + row * Step;
  const std::uint32_t broadcast = subnet + (Step - 1);
  switch (column) {
    case 0: {
      char text[24];
      out.append(text, std::to_chars(text, text + sizeof text, From + row).ptr);
      break;
    }
    case 1:
      AppendAddress(out, subnet);
      break;
    case 2:
      AppendAddress(out, subnet + 1);
      out += " - ";
      AppendAddress(out, broadcast - 1);
      break;
    case 3:
      AppendAddress(out, broadcast);
      break;
    default:
      break;
  }
}

std::vector<std::string> TSubnetTableRows::WidestTexts(int column) const {
  std::vector<std::string> texts(3);
  AppendText(0, column, texts[0]);
  AppendText(Last, column, texts[1]);
  const std::uint32_t count = Last + 1;
  switch (column) {
    case 1:
      AppendAddress(texts[2], WidestAddress(First, Step, count));
      break;
    case 2:
      AppendAddress(texts[2], WidestAddress(First + 1, Step, count));
      texts[2] += " - ";
      AppendAddress(texts[2], WidestAddress(First + Step - 2, Step, count));
      break;
    case 3:
      AppendAddress(texts[2], WidestAddress(First + Step - 1, Step, count));
      break;
    default:
      texts.pop_back();  // the numbers grow along the rows: the last is the longest
      break;
  }
  return texts;
}
