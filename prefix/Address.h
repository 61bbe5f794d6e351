// SPDX-License-Identifier: MIT
#pragma once
// Addresses of both families as one 128-bit value, prefixes, and the reading
// of one input line: an address, an optional length or IPv4 mask, a zone.
#include <cstdint>
#include <string>
#include <string_view>

using U128 = unsigned __int128;

enum class AddressFamily { V4, V6 };

// An IPv4 address keeps its own family and sits in the low 32 bits.
struct IpAddress {
  AddressFamily Family = AddressFamily::V4;
  U128 Value = 0;
  bool operator==(const IpAddress&) const = default;
};

// A network: its address has no bits set past `Length`.
struct IpPrefix {
  IpAddress Network;
  unsigned Length = 0;
  bool operator==(const IpPrefix&) const = default;
};

// A value, or the one-line text of what went wrong (no value then).
template <typename T>
struct Result {
  T Value{};
  std::string Error;
  bool Ok() const { return Error.empty(); }
};

// What one input line says: the address as typed (host bits kept), the prefix
// length (the family's width when none was given) and an IPv6 zone ("" if none).
struct AddressInput {
  IpAddress Address;
  unsigned Length = 0;
  bool LengthGiven = false;
  std::string Zone;
};

// 32 or 128.
unsigned FamilyWidth(AddressFamily family);

// Reads "10.1.2.3/22", "10.1.2.3 255.255.252.0", "10.1.2.3 0.0.3.255",
// "2001:db8::1/64", "[fe80::1%eth0]/64", "::ffff:192.0.2.1", "3232235777",
// "0xc0a80101", spaces around allowed. A decimal integer up to 2^32 - 1 and a
// hexadecimal one of up to 8 digits are IPv4; larger ones are IPv6.
Result<AddressInput> ParseAddressInput(std::string_view line);

// The network of the input's address under its length.
IpPrefix InputPrefix(const AddressInput& input);

// The network of `address` under `length` (at most the family's width).
IpPrefix MakePrefix(IpAddress address, unsigned length);
// The network part's bits (IPv4: the mask) and the host part's (IPv4: the wildcard).
U128 NetworkMask(AddressFamily family, unsigned length);
U128 HostMask(AddressFamily family, unsigned length);
IpAddress LastAddress(const IpPrefix& prefix);
bool Contains(const IpPrefix& prefix, IpAddress address);

// Texts of an address. Canonical: RFC 5952 for IPv6 (IPv4-mapped in mixed
// notation), dotted decimal for IPv4. Full: eight groups of four hex digits
// (IPv4: dotted decimal). Hex: "0x" and 8 or 32 digits, which reads back.
// Binary: bits in octets joined by '.' (IPv4) or in groups of 16 joined by ':'.
std::string CanonicalText(IpAddress address);
std::string FullText(IpAddress address);
std::string DecimalText(U128 value);
std::string HexText(IpAddress address);
std::string BinaryText(IpAddress address);
// "3.2.0.192.in-addr.arpa", or the 32 nibbles of ".ip6.arpa".
std::string ReverseDnsName(IpAddress address);
// "10.1.0.0/22".
std::string PrefixText(const IpPrefix& prefix);
