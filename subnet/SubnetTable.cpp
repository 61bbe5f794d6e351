// SPDX-License-Identifier: MIT
#include "subnet/SubnetTable.h"

#include <algorithm>
#include <charconv>
#include <cstring>

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
// Subnets of 4 to 256 addresses lie in one /24 network with their hosts; smaller
// ones have a host range that reaches into the neighbouring subnets.
bool SharesPrefix(std::uint32_t step) { return step >= 4 && step <= 256; }
}  // namespace

TSubnetTableRows::TSubnetTableRows(const TSubnetTableInputs& inputs)
    : SubnetNumber(inputs.From), Step(std::uint32_t{1} << std::clamp(inputs.HostBits, 0, 31)) {
  // Unsigned arithmetic: the bounds keep every listed subnet inside the class network.
  Subnet = inputs.Network + static_cast<std::uint32_t>(inputs.From) * Step;
  CountUp();
  Format();
}

void TSubnetTableRows::Next() {
  ++SubnetNumber;
  Subnet += Step;
  CountUp();
  Format();
}

void TSubnetTableRows::CountUp() {
  const int end = static_cast<int>(Digits.size());
  if (SubnetNumber <= 0 || DigitsStart == 0) {
    // The first row, or a negative number: written whole.
    char text[24];
    const int length = static_cast<int>(std::to_chars(text, text + sizeof text, SubnetNumber).ptr - text);
    DigitsStart = end - length;
    std::copy_n(text, length, Digits.data() + DigitsStart);
    return;
  }
  int digit = end - 1;
  for (; digit >= DigitsStart && Digits[static_cast<std::size_t>(digit)] == '9'; --digit)
    Digits[static_cast<std::size_t>(digit)] = '0';
  if (digit < DigitsStart)
    Digits[static_cast<std::size_t>(--DigitsStart)] = '1';
  else
    ++Digits[static_cast<std::size_t>(digit)];
}

void TSubnetTableRows::Format() {
  const std::uint32_t broadcast = Subnet + (Step - 1);
  char* out = Buffer.data();
  Starts[0] = 0;
  out = std::copy(Digits.begin() + DigitsStart, Digits.end(), out);
  Starts[1] = static_cast<int>(out - Buffer.data());
  auto write = [this, &out](std::uint32_t address) {
    if (!SharesPrefix(Step)) {
      out = WriteDottedDecimal(out, address);
      return;
    }
    std::memcpy(out, Prefix.data(), Prefix.size());  // whole, then cut to its length
    out = WriteDecimalOctet(out + PrefixLength, static_cast<std::uint8_t>(address));
  };
  if (SharesPrefix(Step) && (PrefixLength == 0 || (Subnet >> 8) != PrefixNetwork)) {
    PrefixNetwork = Subnet >> 8;
    PrefixLength = static_cast<int>(WriteDottedDecimal(Prefix.data(), Subnet & ~0xFFu) - Prefix.data()) - 1;
  }
  write(Subnet);
  Starts[2] = static_cast<int>(out - Buffer.data());
  write(Subnet + 1);
  out = std::copy_n(" - ", 3, out);
  write(broadcast - 1);
  Starts[3] = static_cast<int>(out - Buffer.data());
  write(broadcast);
  Starts[4] = static_cast<int>(out - Buffer.data());
}
