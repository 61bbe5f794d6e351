// SPDX-License-Identifier: MIT
#pragma once
// The reverse DNS zones to delegate for a prefix: in-addr.arpa zones on octet
// boundaries, the classless form of RFC 2317 below a /24 with the CNAME
// records its parent zone needs, ip6.arpa zones on nibble boundaries. A
// prefix between boundaries spans several zones of the next boundary.
#include <string>
#include <vector>

#include "prefix/Address.h"

// "5 CNAME 5.0/26.2.0.192.in-addr.arpa.": Owner relative to the zone holding it.
struct ReverseCname {
  std::string Owner;
  std::string Target;
  bool operator==(const ReverseCname&) const = default;
};

struct ReverseZones {
  std::vector<std::string> Zones;  // "2.0.192.in-addr.arpa", "0/26.2.0.192.in-addr.arpa"
  std::string CnameZone;           // the zone the CNAMEs go in; "" when there are none
  std::vector<ReverseCname> Cnames;
};

ReverseZones ReverseZonesOf(const IpPrefix& prefix);

// "5 CNAME 5.0/26.2.0.192.in-addr.arpa.", a line of the zone file.
std::string CnameText(const ReverseCname& cname);
