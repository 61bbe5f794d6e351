// SPDX-License-Identifier: MIT
#pragma once
// The subnet and host table: the subnet numbers it may list and the texts of its rows.
#include <cstdint>
#include <string>
#include <vector>

struct TSubnetNumberBounds {
  std::int32_t Lowest;
  std::int32_t Highest;
};

// The subnet numbers under a mask with `subnetBits` subnet bits (1 to 30):
// without the one-subnet-bit option the all-zeros and all-ones subnets are left out.
TSubnetNumberBounds SubnetNumberBounds(int subnetBits, bool allow1SubnetBit);
// "Enter a number between 1 and 254".
std::string SubnetNumberHint(const TSubnetNumberBounds& bounds);

// Everything the table's texts depend on.
struct TSubnetTableInputs {
  std::uint32_t Network;  // the address AND its class mask
  int HostBits;           // 0 to 31
  std::int32_t From;
  std::int32_t To;
  friend bool operator==(const TSubnetTableInputs&, const TSubnetTableInputs&) = default;
};

// The texts of the rows for subnet numbers From to To, row 0 holding subnet
// From: the number, the subnet ID, the host range and the broadcast. Subnet
// n starts at Network + n * 2^HostBits. Any row's texts are made on demand.
class TSubnetTableRows {
 public:
  static constexpr int Columns = 4;

  explicit TSubnetTableRows(const TSubnetTableInputs& inputs);

  // To - From (0 when To is below From).
  std::uint32_t LastRow() const { return Last; }
  // Appends the text of `column` (0 to 3) of `row` (at most LastRow) to `out`.
  void AppendText(std::uint32_t row, int column, std::string& out) const;
  // Texts at least as wide as every text of `column` in a font whose digits
  // are equally wide: the first and last rows' texts and, for the addresses,
  // one with each octet at the most digits it reaches in the rows.
  std::vector<std::string> WidestTexts(int column) const;

 private:
  std::int64_t From;
  std::uint32_t Last;
  std::uint32_t First;  // the subnet ID of row 0
  std::uint32_t Step;
};
