// SPDX-License-Identifier: MIT
#include "subnet/SubnetRows.h"

std::vector<TSubnetRow> SubnetRows(AddressClass c, bool allow1SubnetBit) {
  const int networkBits = ClassNetworkBits(c);
  std::vector<TSubnetRow> rows;
  for (int m = networkBits + (allow1SubnetBit ? 1 : 2); m <= 30; ++m) {
    const int s = m - networkBits;
    const std::uint64_t subnets = (1ull << s) - (allow1SubnetBit ? 0 : 2);
    rows.push_back({static_cast<std::uint32_t>(s), static_cast<std::uint32_t>(m), MaskOfBits(m),
                    static_cast<std::uint32_t>(subnets), static_cast<std::uint32_t>((1ull << (32 - m)) - 2)});
  }
  return rows;
}

std::vector<TSupernetRow> SupernetRows(AddressClass c) {
  const int networkBits = ClassNetworkBits(c);
  std::vector<TSupernetRow> rows;
  for (int p = ClassPrefixBits(c); p <= networkBits; ++p)
    rows.push_back({static_cast<std::uint32_t>(p), MaskOfBits(p), static_cast<std::uint32_t>(1ull << (networkBits - p)),
                    static_cast<std::uint32_t>((1ull << (32 - p)) - 2)});
  return rows;
}

std::string SubnetHostRange(std::uint32_t address, std::uint32_t mask) {
  const std::uint32_t id = address & mask;
  const std::uint32_t broadcast = address | ~mask;
  return FormatDottedDecimal(id + 1) + " - " + FormatDottedDecimal(broadcast - 1);
}

std::string SupernetAddressRange(std::uint32_t address, std::uint32_t mask) {
  return FormatDottedDecimal(address & mask) + " - " + FormatDottedDecimal(address | ~mask);
}
