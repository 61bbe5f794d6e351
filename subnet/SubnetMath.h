// SPDX-License-Identifier: MIT
#pragma once
// Classful IPv4 address rules: classes, first-octet validation and the dotted renderings.
#include <cstdint>
#include <optional>
#include <string>

enum AddressClass : int { acClassA = 0, acClassB = 1, acClassC = 2 };

// The mask with the `bits` (0 to 32) leading bits set.
std::uint32_t MaskOfBits(int bits);

// Any index other than 0 or 1 counts as class C.
AddressClass AddressClassOf(int itemIndex);
int ClassNetworkBits(AddressClass c);
std::uint32_t ClassNetworkMask(AddressClass c);
int ClassPrefixBits(AddressClass c);
// "0nnnnnnn", "10nnnnnn" or "110nnnnn".
std::string ClassPrefixPattern(AddressClass c);
// The texts of the address type choices, as shown.
std::string ClassItemText(AddressClass c);

struct TFirstOctetVerdict {
  AddressClass Class;
  std::uint8_t Value;                  // the first octet to keep
  std::optional<std::string> Message;  // why a reserved value was replaced
};

// Checks a new first octet against the classful ranges; `address` is the
// whole address as the field now holds it.
TFirstOctetVerdict ValidateFirstOctet(std::uint8_t value, std::uint32_t address);
// Moves a first octet into the first-octet range of a class.
std::uint8_t ClampFirstOctetToClass(std::uint8_t value, AddressClass c);

std::string FormatDottedDecimal(std::uint32_t address);  // 128.15.10.5
// Writes FormatDottedDecimal(address) to `out`, which must have room for 15
// characters; returns the end of the text.
char* WriteDottedDecimal(char* out, std::uint32_t address);
// Writes the decimal text of one octet to `out`, which must have room for 3
// characters; returns the end of the text.
char* WriteDecimalOctet(char* out, std::uint8_t octet);
std::string FormatDottedBinary(std::uint32_t address);   // 10000000.00001111.00001010.00000101
std::string FormatDottedHex(std::uint32_t address);      // 80.0F.0A.05
// The network, subnet and host bits of a mask, lined up with FormatDottedBinary;
// a count below 0 counts as 0.
std::string SubnetBitMapPattern(AddressClass c, int subnetBits, int hostBits);
// The network and host bits of a class, lined up with FormatDottedBinary.
std::string ClassBitMapPattern(AddressClass c);
