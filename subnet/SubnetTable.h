// SPDX-License-Identifier: MIT
#pragma once
// The subnet and host table: the subnet numbers it may list and the texts of its rows.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

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

// The texts of the rows for subnet numbers From, From + 1, ... one after
// another: the number, the subnet ID, the host range and the broadcast.
// Subnet n starts at Network + n * 2^HostBits.
class TSubnetTableRows {
 public:
  explicit TSubnetTableRows(const TSubnetTableInputs& inputs);

  std::string_view Number() const { return Text(0); }
  std::string_view SubnetID() const { return Text(1); }
  std::string_view HostRange() const { return Text(2); }
  std::string_view Broadcast() const { return Text(3); }
  // Moves on to the next subnet number.
  void Next();

 private:
  std::string_view Text(int column) const {
    return {Buffer.data() + Starts[column], static_cast<std::size_t>(Starts[column + 1] - Starts[column])};
  }
  void Format();
  void CountUp();

  std::int64_t SubnetNumber;
  std::uint32_t Subnet;  // the subnet ID
  std::uint32_t Step;
  // The subnet number's digits at the end of Digits, from DigitsStart on:
  // counted up in place, as consecutive rows mostly change the last digit only.
  std::array<char, 24> Digits;
  int DigitsStart = 0;
  // "a.b.c." of the current /24 network, which holds all four addresses of a
  // row when Step is 4 to 256.
  std::uint32_t PrefixNetwork = 0;
  std::array<char, 16> Prefix{};
  int PrefixLength = 0;
  // The four texts back to back; text i runs from Starts[i] to Starts[i + 1].
  std::array<char, 96> Buffer;
  std::array<int, 5> Starts;
};
