// SPDX-License-Identifier: MIT
#include "prefix/PrefixFacts.h"

std::string PowerOfTwo::DecimalText() const {
  // Doubling a decimal string keeps 2^128 exact without a wider integer.
  std::string digits = "1";  // least significant first
  for (unsigned i = 0; i < Exponent; ++i) {
    int carry = 0;
    for (char& d : digits) {
      const int v = (d - '0') * 2 + carry;
      d = static_cast<char>('0' + v % 10);
      carry = v / 10;
    }
    if (carry) digits += static_cast<char>('0' + carry);
  }
  return {digits.rbegin(), digits.rend()};
}

std::string PowerOfTwo::PowerText() const { return "2^" + std::to_string(Exponent); }

PowerOfTwo AddressCount(const IpPrefix& prefix) { return {FamilyWidth(prefix.Network.Family) - prefix.Length}; }

std::optional<HostRange> UsableHosts(const IpPrefix& prefix) {
  if (prefix.Network.Family != AddressFamily::V4) return std::nullopt;
  const IpAddress network = prefix.Network;
  const IpAddress last = LastAddress(prefix);
  if (prefix.Length >= 31) return HostRange{network, last, prefix.Length == 31 ? 2u : 1u};
  return HostRange{{network.Family, network.Value + 1},
                   {network.Family, last.Value - 1},
                   (std::uint64_t{1} << (32 - prefix.Length)) - 2};
}

std::optional<IpAddress> BroadcastAddress(const IpPrefix& prefix) {
  if (prefix.Network.Family != AddressFamily::V4 || prefix.Length >= 31) return std::nullopt;
  return LastAddress(prefix);
}

std::vector<IpPrefix> EnclosingPrefixes(const IpPrefix& prefix) {
  std::vector<IpPrefix> chain;
  chain.reserve(prefix.Length + 1);
  for (unsigned length = prefix.Length + 1; length-- > 0;) chain.push_back(MakePrefix(prefix.Network, length));
  return chain;
}

Result<PrefixSplit> PrefixSplit::Make(const IpPrefix& parent, unsigned subnetLength) {
  Result<PrefixSplit> r;
  const unsigned width = FamilyWidth(parent.Network.Family);
  if (subnetLength < parent.Length)
    r.Error = "subnet length " + std::to_string(subnetLength) + " is shorter than the prefix's " +
              std::to_string(parent.Length);
  else if (subnetLength > width)
    r.Error = "subnet length " + std::to_string(subnetLength) + " is above " + std::to_string(width);
  else {
    r.Value.parent_ = parent;
    r.Value.subnetLength_ = subnetLength;
  }
  return r;
}

std::optional<IpPrefix> PrefixSplit::Row(U128 index) const {
  if (!RowCount().Exceeds(index)) return std::nullopt;
  const unsigned hostBits = FamilyWidth(parent_.Network.Family) - subnetLength_;
  // A shift by 128 is undefined; at 128 host bits there is one row, index 0.
  const U128 offset = hostBits == 128 ? 0 : index << hostBits;
  return IpPrefix{{parent_.Network.Family, parent_.Network.Value | offset}, subnetLength_};
}

std::optional<U128> PrefixSplit::RowOf(IpAddress address) const {
  if (!Contains(parent_, address)) return std::nullopt;
  const unsigned hostBits = FamilyWidth(address.Family) - subnetLength_;
  const U128 offset = address.Value & HostMask(address.Family, parent_.Length);
  return hostBits == 128 ? 0 : offset >> hostBits;
}

std::string RowNumberText(U128 index) {
  return index == ~U128{0} ? PowerOfTwo{128}.DecimalText() : DecimalText(index + 1);
}

Result<U128> ParseRowNumber(std::string_view text) {
  Result<U128> r;
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty()) {
    r.Error = "no row number";
    return r;
  }
  // The number less one, so that row 2^128 still fits.
  U128 number = 0;
  bool zero = true;
  for (const char c : text) {
    if (c < '0' || c > '9') {
      r.Error = "row number '" + std::string(text) + "' is not a number";
      return r;
    }
    const unsigned d = static_cast<unsigned>(c - '0');
    // index' = 10 * (index + 1) + d - 1 = 10 * index + d + 9 once a digit is nonzero.
    const unsigned add = zero ? d : d + 9;
    if (!zero && number > (~U128{0} - add) / 10) {
      r.Error = "row number " + std::string(text) + " is above 2^128";
      return r;
    }
    if (zero) {
      if (d != 0) number = d - 1, zero = false;
    } else {
      number = number * 10 + add;
    }
  }
  if (zero) {
    r.Error = "row numbers start at 1";
    return r;
  }
  r.Value = number;
  return r;
}
