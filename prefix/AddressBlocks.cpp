// SPDX-License-Identifier: MIT
#include "prefix/AddressBlocks.h"

#include <array>

namespace {

constexpr IpPrefix V4(unsigned a, unsigned b, unsigned c, unsigned d, unsigned length) {
  return {{AddressFamily::V4, U128{a << 24 | b << 16 | c << 8 | d}}, length};
}

// The groups of an IPv6 prefix from the left; the rest are zero.
constexpr IpPrefix V6(std::array<std::uint16_t, 8> groups, unsigned length) {
  U128 v = 0;
  for (const std::uint16_t g : groups) v = v << 16 | g;
  return {{AddressFamily::V6, v}, length};
}

using K = AddressKind;

// IANA's IPv4 and IPv6 Special-Purpose Address Registries, with the multicast
// and IPv6 global unicast blocks and a fallback /0 per family.
const RegistryBlock Blocks[] = {
    {V4(0, 0, 0, 0, 0), K::Global, "Public", "RFC 791", true},
    {V4(0, 0, 0, 0, 8), K::Reserved, "This network", "RFC 791", false},
    {V4(0, 0, 0, 0, 32), K::Unspecified, "This host on this network", "RFC 1122", false},
    {V4(10, 0, 0, 0, 8), K::Private, "Private-Use", "RFC 1918", false},
    {V4(100, 64, 0, 0, 10), K::SharedAddressSpace, "Shared Address Space", "RFC 6598", false},
    {V4(127, 0, 0, 0, 8), K::Loopback, "Loopback", "RFC 1122", false},
    {V4(169, 254, 0, 0, 16), K::LinkLocal, "Link Local", "RFC 3927", false},
    {V4(172, 16, 0, 0, 12), K::Private, "Private-Use", "RFC 1918", false},
    {V4(192, 0, 0, 0, 24), K::ProtocolAssignment, "IETF Protocol Assignments", "RFC 6890", false},
    {V4(192, 0, 0, 0, 29), K::ProtocolAssignment, "IPv4 Service Continuity Prefix", "RFC 7335", false},
    {V4(192, 0, 0, 8, 32), K::ProtocolAssignment, "IPv4 dummy address", "RFC 7600", false},
    {V4(192, 0, 0, 9, 32), K::ProtocolAssignment, "Port Control Protocol Anycast", "RFC 7723", true},
    {V4(192, 0, 0, 10, 32), K::ProtocolAssignment, "Traversal Using Relays around NAT Anycast", "RFC 8155", true},
    {V4(192, 0, 0, 170, 32), K::ProtocolAssignment, "NAT64/DNS64 Discovery", "RFC 8880", false},
    {V4(192, 0, 0, 171, 32), K::ProtocolAssignment, "NAT64/DNS64 Discovery", "RFC 8880", false},
    {V4(192, 0, 2, 0, 24), K::Documentation, "Documentation (TEST-NET-1)", "RFC 5737", false},
    {V4(192, 31, 196, 0, 24), K::ProtocolAssignment, "AS112-v4", "RFC 7535", true},
    {V4(192, 52, 193, 0, 24), K::ProtocolAssignment, "AMT", "RFC 7450", true},
    {V4(192, 88, 99, 0, 24), K::Reserved, "Deprecated (6to4 Relay Anycast)", "RFC 7526", true},
    {V4(192, 168, 0, 0, 16), K::Private, "Private-Use", "RFC 1918", false},
    {V4(192, 175, 48, 0, 24), K::ProtocolAssignment, "Direct Delegation AS112 Service", "RFC 7534", true},
    {V4(198, 18, 0, 0, 15), K::Benchmarking, "Benchmarking", "RFC 2544", false},
    {V4(198, 51, 100, 0, 24), K::Documentation, "Documentation (TEST-NET-2)", "RFC 5737", false},
    {V4(203, 0, 113, 0, 24), K::Documentation, "Documentation (TEST-NET-3)", "RFC 5737", false},
    {V4(224, 0, 0, 0, 4), K::Multicast, "Multicast", "RFC 5771", true},
    {V4(240, 0, 0, 0, 4), K::Reserved, "Reserved", "RFC 1112", false},
    {V4(255, 255, 255, 255, 32), K::LimitedBroadcast, "Limited Broadcast", "RFC 919", false},

    {V6({}, 0), K::Reserved, "Reserved by IETF", "RFC 4291", false},
    {V6({}, 96), K::Ipv4Compatible, "IPv4-compatible Address (deprecated)", "RFC 4291", false},
    {V6({}, 128), K::Unspecified, "Unspecified Address", "RFC 4291", false},
    {V6({0, 0, 0, 0, 0, 0, 0, 1}, 128), K::Loopback, "Loopback Address", "RFC 4291", false},
    {V6({0, 0, 0, 0, 0, 0xffff}, 96), K::Ipv4Mapped, "IPv4-mapped Address", "RFC 4291", false},
    {V6({0x64, 0xff9b}, 96), K::Nat64, "IPv4-IPv6 Translation", "RFC 6052", true},
    {V6({0x64, 0xff9b, 1}, 48), K::ProtocolAssignment, "IPv4-IPv6 Translation (local use)", "RFC 8215", false},
    {V6({0x100}, 64), K::ProtocolAssignment, "Discard-Only Address Block", "RFC 6666", false},
    {V6({0x2000}, 3), K::Global, "Global Unicast", "RFC 4291", true},
    {V6({0x2001}, 23), K::ProtocolAssignment, "IETF Protocol Assignments", "RFC 2928", false},
    {V6({0x2001}, 32), K::Teredo, "TEREDO", "RFC 4380", false},
    {V6({0x2001, 1, 0, 0, 0, 0, 0, 1}, 128), K::ProtocolAssignment, "Port Control Protocol Anycast", "RFC 7723", true},
    {V6({0x2001, 1, 0, 0, 0, 0, 0, 2}, 128), K::ProtocolAssignment, "Traversal Using Relays around NAT Anycast", "RFC 8155",
     true},
    {V6({0x2001, 1, 0, 0, 0, 0, 0, 3}, 128), K::ProtocolAssignment, "DNS-SD Service Registration Protocol Anycast", "RFC 9665",
     true},
    {V6({0x2001, 2}, 48), K::Benchmarking, "Benchmarking", "RFC 5180", false},
    {V6({0x2001, 3}, 32), K::ProtocolAssignment, "AMT", "RFC 7450", true},
    {V6({0x2001, 4, 0x112}, 48), K::ProtocolAssignment, "AS112-v6", "RFC 7535", true},
    {V6({0x2001, 0x10}, 28), K::Reserved, "Deprecated (previously ORCHID)", "RFC 4843", false},
    {V6({0x2001, 0x20}, 28), K::ProtocolAssignment, "ORCHIDv2", "RFC 7343", true},
    {V6({0x2001, 0x30}, 28), K::ProtocolAssignment, "Drone Remote ID Protocol Entity Tags (DETs) Prefix", "RFC 9374", true},
    {V6({0x2001, 0xdb8}, 32), K::Documentation, "Documentation", "RFC 3849", false},
    {V6({0x2002}, 16), K::SixToFour, "6to4", "RFC 3056", false},
    {V6({0x2620, 0x4f, 0x8000}, 48), K::ProtocolAssignment, "Direct Delegation AS112 Service", "RFC 7534", true},
    {V6({0x3fff}, 20), K::Documentation, "Documentation", "RFC 9637", false},
    {V6({0x5f00}, 16), K::ProtocolAssignment, "Segment Routing (SRv6) SIDs", "RFC 9602", false},
    {V6({0xfc00}, 7), K::UniqueLocal, "Unique-Local", "RFC 4193", false},
    {V6({0xfe80}, 10), K::LinkLocal, "Link-Local Unicast", "RFC 4291", false},
    {V6({0xfec0}, 10), K::Reserved, "Site-Local Unicast (deprecated)", "RFC 3879", false},
    {V6({0xff00}, 8), K::Multicast, "Multicast", "RFC 4291", true},
};

bool In(IpAddress address, const IpPrefix& prefix) { return Contains(prefix, address); }

}  // namespace

const RegistryBlock& ClassifyAddress(IpAddress address) {
  // Each block's mask, worked out once: classifying is on every input's path.
  static const auto masks = [] {
    std::array<U128, std::size(Blocks)> m{};
    for (std::size_t i = 0; i < m.size(); ++i) m[i] = NetworkMask(Blocks[i].Prefix.Network.Family, Blocks[i].Prefix.Length);
    return m;
  }();
  const RegistryBlock* best = nullptr;
  for (std::size_t i = 0; i < masks.size(); ++i) {
    const RegistryBlock& b = Blocks[i];
    if (b.Prefix.Network == IpAddress{address.Family, address.Value & masks[i]} &&
        (!best || b.Prefix.Length > best->Prefix.Length))
      best = &b;
  }
  return *best;
}

const char* KindName(AddressKind kind) {
  switch (kind) {
    case K::Global: return "global";
    case K::Reserved: return "reserved";
    case K::Unspecified: return "unspecified";
    case K::Loopback: return "loopback";
    case K::Private: return "private";
    case K::SharedAddressSpace: return "shared address space";
    case K::LinkLocal: return "link-local";
    case K::Documentation: return "documentation";
    case K::Benchmarking: return "benchmarking";
    case K::UniqueLocal: return "unique local (ULA)";
    case K::Multicast: return "multicast";
    case K::LimitedBroadcast: return "limited broadcast";
    case K::SixToFour: return "6to4";
    case K::Teredo: return "Teredo";
    case K::Nat64: return "NAT64";
    case K::Ipv4Mapped: return "IPv4-mapped";
    case K::Ipv4Compatible: return "IPv4-compatible";
    case K::ProtocolAssignment: return "special purpose";
  }
  return "";
}

std::optional<MulticastInfo> MulticastOf(IpAddress address) {
  if (ClassifyAddress(address).Kind != K::Multicast) return std::nullopt;
  MulticastInfo info{};
  if (address.Family == AddressFamily::V4) {
    // RFC 5771's local network control block and RFC 2365's administratively scoped ones.
    info.Scope = In(address, V4(224, 0, 0, 0, 24))    ? "link-local"
                 : In(address, V4(239, 255, 0, 0, 16)) ? "site-local"
                 : In(address, V4(239, 0, 0, 0, 8))    ? "organization-local"
                                                       : "global";
    return info;
  }
  const unsigned flags = static_cast<unsigned>(address.Value >> 116) & 0xF;
  const unsigned scope = static_cast<unsigned>(address.Value >> 112) & 0xF;
  // RFC 7346's scopes; the unnamed ones are unassigned.
  constexpr const char* Scopes[16] = {"reserved",   "interface-local", "link-local", "realm-local",
                                      "admin-local", "site-local",      "unassigned", "unassigned",
                                      "organization-local", "unassigned", "unassigned", "unassigned",
                                      "unassigned", "unassigned",       "global",     "reserved"};
  info.Scope = Scopes[scope];
  info.Transient = flags & 1;
  info.PrefixBased = flags & 2;
  info.RendezvousPoint = flags & 4;
  return info;
}

std::optional<TeredoInfo> TeredoOf(IpAddress address) {
  if (ClassifyAddress(address).Kind != K::Teredo) return std::nullopt;
  const U128 v = address.Value;
  // RFC 4380: the server follows the prefix; port and client are stored inverted.
  return TeredoInfo{{AddressFamily::V4, (v >> 64) & 0xFFFFFFFFu},
                    {AddressFamily::V4, ~v & 0xFFFFFFFFu},
                    static_cast<std::uint16_t>(~(v >> 32)),
                    static_cast<std::uint16_t>(v >> 48)};
}

std::optional<IpAddress> EmbeddedIpv4(IpAddress address) {
  const RegistryBlock& block = ClassifyAddress(address);
  switch (block.Kind) {
    case K::SixToFour: return IpAddress{AddressFamily::V4, (address.Value >> 80) & 0xFFFFFFFFu};
    case K::Nat64:
    case K::Ipv4Mapped:
    case K::Ipv4Compatible: return IpAddress{AddressFamily::V4, address.Value & 0xFFFFFFFFu};
    default: return std::nullopt;
  }
}

std::optional<std::uint64_t> MacFromInterfaceId(IpAddress address) {
  if (address.Family != AddressFamily::V6) return std::nullopt;
  const auto id = static_cast<std::uint64_t>(address.Value);
  if ((id >> 24 & 0xFFFF) != 0xFFFE) return std::nullopt;
  // Modified EUI-64 inverts the universal/local bit of the MAC's first octet.
  return ((id >> 40) << 24 | (id & 0xFFFFFF)) ^ (std::uint64_t{0x02} << 40);
}

std::string MacText(std::uint64_t mac) {
  constexpr char Hex[] = "0123456789abcdef";
  std::string out;
  for (int shift = 40; shift >= 0; shift -= 8) {
    out += Hex[mac >> (shift + 4) & 0xF];
    out += Hex[mac >> shift & 0xF];
    if (shift) out += ':';
  }
  return out;
}

std::optional<IpAddress> SolicitedNodeAddress(IpAddress address) {
  if (address.Family != AddressFamily::V6) return std::nullopt;
  const AddressKind kind = ClassifyAddress(address).Kind;
  if (kind == K::Multicast || kind == K::Unspecified) return std::nullopt;
  return IpAddress{AddressFamily::V6, V6({0xff02, 0, 0, 0, 0, 1, 0xff00}, 104).Network.Value | (address.Value & 0xFFFFFF)};
}
