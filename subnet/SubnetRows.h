// SPDX-License-Identifier: MIT
#pragma once
// The masks offered for subnetting a classful network and for supernetting it.
#include <cstdint>
#include <string>
#include <vector>

#include "subnet/SubnetMath.h"

struct TSubnetRow {
  std::uint32_t SubnetBits;
  std::uint32_t MaskBits;
  std::uint32_t Mask;
  std::uint32_t SubnetCount;
  std::uint32_t HostCount;
};

struct TSupernetRow {
  std::uint32_t MaskBits;
  std::uint32_t Mask;
  std::uint32_t SupernetCount;
  std::uint32_t AddressCount;
};

// One row per mask from the class's first subnet bit (or second, without the
// one-subnet-bit option, which also drops the all-zeros and all-ones subnets
// from the counts) down to two host bits.
std::vector<TSubnetRow> SubnetRows(AddressClass c, bool allow1SubnetBit);
// One row per mask from the class's fixed leading bits up to its classful mask.
std::vector<TSupernetRow> SupernetRows(AddressClass c);

// The row to keep after a rebuild: the one whose value `key` equals `kept`
// clamped into the rows' range; row 0 when nothing was kept (-1) or no row matches.
template <typename Row>
int KeptRowIndex(const std::vector<Row>& rows, std::uint32_t Row::*key, std::int64_t kept) {
  if (kept < 0 || rows.empty()) return 0;
  const std::int64_t first = rows.front().*key;
  const std::int64_t last = rows.back().*key;
  const std::int64_t wanted = kept < first ? first : kept > last ? last : kept;
  for (std::size_t i = 0; i < rows.size(); ++i)
    if (rows[i].*key == wanted) return static_cast<int>(i);
  return 0;
}

// "first host - last host" of the subnet of `address` under `mask`.
std::string SubnetHostRange(std::uint32_t address, std::uint32_t mask);
// "network - broadcast" of the supernet of `address` under `mask`.
std::string SupernetAddressRange(std::uint32_t address, std::uint32_t mask);
