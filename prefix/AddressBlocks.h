// SPDX-License-Identifier: MIT
#pragma once
// What an address is, from IANA's special-purpose address registries of both
// families (with the multicast and global unicast blocks around them), and
// what other addresses it carries inside it.
#include <cstdint>
#include <optional>
#include <string>

#include "prefix/Address.h"

enum class AddressKind {
  Global,
  Reserved,
  Unspecified,
  Loopback,
  Private,
  SharedAddressSpace,
  LinkLocal,
  Documentation,
  Benchmarking,
  UniqueLocal,
  Multicast,
  LimitedBroadcast,
  SixToFour,
  Teredo,
  Nat64,
  Ipv4Mapped,
  Ipv4Compatible,
  ProtocolAssignment,  // another protocol assignment; its name says which
};

struct RegistryBlock {
  IpPrefix Prefix;
  AddressKind Kind;
  const char* Name;  // the registry's name of the block
  const char* Rfc;
  bool GloballyReachable;
};

// The most specific block holding `address`. Every address has one: IPv4
// outside the registry is global, IPv6 is global unicast inside 2000::/3 and
// reserved by the IETF outside it.
const RegistryBlock& ClassifyAddress(IpAddress address);
// "private", "shared address space", "IPv4-mapped", ...
const char* KindName(AddressKind kind);

struct MulticastInfo {
  const char* Scope;  // "link-local", "global", ...
  // IPv6 flags (RFC 7371): T transient, P prefix-based, R rendezvous point embedded.
  bool Transient = false;
  bool PrefixBased = false;
  bool RendezvousPoint = false;
};
std::optional<MulticastInfo> MulticastOf(IpAddress address);

struct TeredoInfo {
  IpAddress Server;
  IpAddress Client;
  std::uint16_t Port;
  std::uint16_t Flags;
};
std::optional<TeredoInfo> TeredoOf(IpAddress address);

// The IPv4 address inside a 6to4, NAT64 (64:ff9b::/96), IPv4-mapped or
// IPv4-compatible address.
std::optional<IpAddress> EmbeddedIpv4(IpAddress address);

// The 48-bit MAC address an IPv6 interface identifier in modified EUI-64 form
// (ff:fe in its middle) was made from, and its text "00:1b:63:84:45:e6".
std::optional<std::uint64_t> MacFromInterfaceId(IpAddress address);
std::string MacText(std::uint64_t mac);

// ff02::1:ffXX:XXXX for an IPv6 unicast or anycast address.
std::optional<IpAddress> SolicitedNodeAddress(IpAddress address);
