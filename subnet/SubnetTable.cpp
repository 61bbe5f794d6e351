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

TSubnetTableRows::TSubnetTableRows(const TSubnetTableInputs& inputs)
    : SubnetNumber(inputs.From), Step(std::uint32_t{1} << std::clamp(inputs.HostBits, 0, 31)) {
  // Unsigned arithmetic: the bounds keep every listed subnet inside the class network.
  Subnet = inputs.Network + static_cast<std::uint32_t>(inputs.From) * Step;
  Format();
}

void TSubnetTableRows::Next() {
  ++SubnetNumber;
  Subnet += Step;
  Format();
}

void TSubnetTableRows::Format() {
  const std::uint32_t broadcast = Subnet + (Step - 1);
  char* out = Buffer.data();
  Starts[0] = 0;
  out = std::to_chars(out, Buffer.data() + 20, SubnetNumber).ptr;
  Starts[1] = static_cast<int>(out - Buffer.data());
  out = WriteDottedDecimal(out, Subnet);
  Starts[2] = static_cast<int>(out - Buffer.data());
  out = WriteDottedDecimal(out, Subnet + 1);
  out = std::copy_n(" - ", 3, out);
  out = WriteDottedDecimal(out, broadcast - 1);
  Starts[3] = static_cast<int>(out - Buffer.data());
  out = WriteDottedDecimal(out, broadcast);
  Starts[4] = static_cast<int>(out - Buffer.data());
}
