// SPDX-License-Identifier: MIT
#include "prefix/ReverseZones.h"

namespace {

constexpr char HexDigits[] = "0123456789abcdef";

// The name of the zone of the first `labels` labels of `value`: octets (IPv4)
// or nibbles (IPv6), the most significant first in the value, last in the name.
std::string ZoneName(AddressFamily family, U128 value, unsigned labels) {
  const bool v4 = family == AddressFamily::V4;
  const unsigned bits = v4 ? 8 : 4;
  const unsigned width = FamilyWidth(family);
  std::string name;
  for (unsigned i = labels; i-- > 0;) {
    const auto label = static_cast<unsigned>(value >> (width - bits * (i + 1))) & ((1u << bits) - 1);
    name += v4 ? std::to_string(label) : std::string(1, HexDigits[label]);
    name += '.';
  }
  return name + (v4 ? "in-addr.arpa" : "ip6.arpa");
}

}  // namespace

ReverseZones ReverseZonesOf(const IpPrefix& given) {
  const IpPrefix prefix = MakePrefix(given.Network, given.Length);
  const AddressFamily family = prefix.Network.Family;
  const U128 network = prefix.Network.Value;
  ReverseZones zones;
  if (family == AddressFamily::V4 && prefix.Length > 24) {
    // RFC 2317: a zone named after the block's first octet and length, one
    // CNAME in the /24's zone for each of its addresses.
    const std::string parent = ZoneName(family, network, 3);
    const std::string zone = std::to_string(static_cast<unsigned>(network & 0xFF)) + '/' +
                             std::to_string(prefix.Length) + '.' + parent;
    zones.Zones.push_back(zone);
    zones.CnameZone = parent;
    for (U128 a = network; a <= LastAddress(prefix).Value; ++a) {
      const std::string octet = std::to_string(static_cast<unsigned>(a & 0xFF));
      zones.Cnames.push_back({octet, octet + '.' + zone + '.'});
    }
    return zones;
  }
  const unsigned bits = family == AddressFamily::V4 ? 8 : 4;
  const unsigned labels = (prefix.Length + bits - 1) / bits;
  const unsigned hostBits = FamilyWidth(family) - labels * bits;
  const U128 count = U128{1} << (labels * bits - prefix.Length);
  // A /0 has one zone, of no labels, and no host bits to shift into.
  for (U128 i = 0; i < count; ++i)
    zones.Zones.push_back(ZoneName(family, hostBits < 128 ? network + (i << hostBits) : network, labels));
  return zones;
}

std::string CnameText(const ReverseCname& cname) { return cname.Owner + " CNAME " + cname.Target; }
