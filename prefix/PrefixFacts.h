// SPDX-License-Identifier: MIT
#pragma once
// What a prefix holds, and its split into longer prefixes as rows that are a
// function of their number: nothing is stored per row, however many there are.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "prefix/Address.h"

// 2^Exponent, exact up to 2^128 (one more than a 128-bit value holds).
struct PowerOfTwo {
  unsigned Exponent = 0;
  std::string DecimalText() const;  // "340282366920938463463374607431768211456"
  std::string PowerText() const;    // "2^128"
  bool Exceeds(U128 n) const { return Exponent >= 128 || n < (U128{1} << Exponent); }
};

PowerOfTwo AddressCount(const IpPrefix& prefix);

// The addresses hosts may use in an IPv4 prefix: all but the network and the
// broadcast address; both of a /31 (RFC 3021) and the one of a /32.
struct HostRange {
  IpAddress First;
  IpAddress Last;
  std::uint64_t Count;
};
std::optional<HostRange> UsableHosts(const IpPrefix& prefix);
// An IPv4 prefix's last address, up to /30: a /31's and a /32's addresses all belong to hosts.
std::optional<IpAddress> BroadcastAddress(const IpPrefix& prefix);

// The prefix itself, then each one enclosing it, down to /0.
std::vector<IpPrefix> EnclosingPrefixes(const IpPrefix& prefix);

// The subnets of `Parent` of length `SubnetLength`, row k being the k-th from
// the lowest (k from 0).
class PrefixSplit {
 public:
  // The split, or why there is none (a length shorter than the parent's or
  // longer than the family's width).
  static Result<PrefixSplit> Make(const IpPrefix& parent, unsigned subnetLength);

  const IpPrefix& Parent() const { return parent_; }
  unsigned SubnetLength() const { return subnetLength_; }
  PowerOfTwo RowCount() const { return {subnetLength_ - parent_.Length}; }
  // Nothing past the last row.
  std::optional<IpPrefix> Row(U128 index) const;
  // The row holding `address`; nothing when the parent does not hold it.
  std::optional<U128> RowOf(IpAddress address) const;

 private:
  IpPrefix parent_;
  unsigned subnetLength_ = 0;
};

// Rows as the user numbers them, from 1: the text of row `index`'s number
// (up to 2^128), and the row index of a typed number.
std::string RowNumberText(U128 index);
Result<U128> ParseRowNumber(std::string_view text);
