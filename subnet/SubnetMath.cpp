// SPDX-License-Identifier: MIT
#include "subnet/SubnetMath.h"

#include <array>
#include <cstring>

#include "radix/KestBinDecHex.h"

namespace {
struct TClassInfo {
  int NetworkBits;
  int PrefixBits;
  const char* PrefixPattern;
  const char* ItemText;
  int FirstOctetLow;
  int FirstOctetHigh;
};

constexpr TClassInfo Classes[] = {
    {8, 1, "0nnnnnnn", "Class A:   1.0.0.0 -- 126.255.255.255", 1, 126},
    {16, 2, "10nnnnnn", "Class B: 128.0.0.0 -- 191.255.255.255", 128, 191},
    {24, 3, "110nnnnn", "Class C: 192.0.0.0 -- 223.255.255.255", 192, 223},
};

const TClassInfo& Info(AddressClass c) { return Classes[AddressClassOf(c)]; }

std::string JoinOctets(std::uint32_t address, std::string (*format)(std::uint8_t)) {
  std::string text;
  for (int shift = 24; shift >= 0; shift -= 8) {
    if (shift != 24) text += '.';
    text += format(static_cast<std::uint8_t>(address >> shift));
  }
  return text;
}
}  // namespace

AddressClass AddressClassOf(int itemIndex) {
  return itemIndex == 0 ? acClassA : itemIndex == 1 ? acClassB : acClassC;
}

int ClassNetworkBits(AddressClass c) { return Info(c).NetworkBits; }

std::uint32_t MaskOfBits(int bits) {
  return bits <= 0 ? 0 : static_cast<std::uint32_t>(((1ull << bits) - 1) << (32 - bits));
}

std::uint32_t ClassNetworkMask(AddressClass c) { return MaskOfBits(ClassNetworkBits(c)); }

int ClassPrefixBits(AddressClass c) { return Info(c).PrefixBits; }

std::string ClassPrefixPattern(AddressClass c) { return Info(c).PrefixPattern; }

std::string ClassItemText(AddressClass c) { return Info(c).ItemText; }

TFirstOctetVerdict ValidateFirstOctet(std::uint8_t value, std::uint32_t address) {
  if (value == 0 && address == 0)
    return {acClassA, 1,
            "The IP Address 0.0.0.0 is a reserved source address meaning \"this host on this network\" "
            "and cannot be subnetted."};
  if (value == 0)
    return {acClassA, 1,
            "The IP Address 0.x.x.x is a reserved destination address meaning \"specific host on this "
            "network\" and cannot be subnetted."};
  if (value <= 126) return {acClassA, value, std::nullopt};
  if (value == 127)
    return {acClassA, 126,
            "The IP Address 127.x.x.x is a reserved loopback source/destination address meaning \"local "
            "host\" and cannot be subnetted."};
  if (value <= 191) return {acClassB, value, std::nullopt};
  if (value <= 223) return {acClassC, value, std::nullopt};
  if (value <= 239)
    return {acClassC, 223,
            "The Class D IP Addresses in the range 224.0.0.0 - 239.255.255.255 are reserved for "
            "multicasting and cannot be subnetted."};
  if (address == 0xFFFFFFFFu)
    return {acClassC, 223,
            "The IP Address 255.255.255.255 is a reserved destination broadcast address meaning \"all "
            "hosts on this network\" and canot be subnetted."};
  return {acClassC, 223,
          "The Class E IP Addresses in the range 224.0.0.0 - 255.255.255.254 are reserved for "
          "experimental usage and cannot be subnetted."};
}

std::uint8_t ClampFirstOctetToClass(std::uint8_t value, AddressClass c) {
  const TClassInfo& info = Info(c);
  if (value < info.FirstOctetLow) return static_cast<std::uint8_t>(info.FirstOctetLow);
  if (value > info.FirstOctetHigh) return static_cast<std::uint8_t>(info.FirstOctetHigh);
  return value;
}

namespace {
// Each octet's decimal text followed by a dot, in four bytes (2 to 4 of them used).
struct TOctetText {
  char Text[4];
  std::uint8_t Length;
};

constexpr std::array<TOctetText, 256> OctetTexts = [] {
  std::array<TOctetText, 256> texts{};
  for (unsigned octet = 0; octet < 256; ++octet) {
    TOctetText& text = texts[octet];
    if (octet >= 100) text.Text[text.Length++] = static_cast<char>('0' + octet / 100);
    if (octet >= 10) text.Text[text.Length++] = static_cast<char>('0' + octet / 10 % 10);
    text.Text[text.Length++] = static_cast<char>('0' + octet % 10);
    text.Text[text.Length++] = '.';
  }
  return texts;
}();
}  // namespace

char* WriteDottedDecimal(char* out, std::uint32_t address) {
  // Whole four-byte copies: a shorter octet's spare bytes are overwritten by the next one.
  for (int shift = 24; shift > 0; shift -= 8) {
    const TOctetText& octet = OctetTexts[(address >> shift) & 0xFF];
    std::memcpy(out, octet.Text, 4);
    out += octet.Length;
  }
  return WriteDecimalOctet(out, static_cast<std::uint8_t>(address));
}

char* WriteDecimalOctet(char* out, std::uint8_t octet) {
  const TOctetText& text = OctetTexts[octet];
  std::memcpy(out, text.Text, 3);
  return out + text.Length - 1;
}

std::string FormatDottedDecimal(std::uint32_t address) {
  char text[15];
  return {text, WriteDottedDecimal(text, address)};
}

std::string FormatDottedBinary(std::uint32_t address) {
  return JoinOctets(address, [](std::uint8_t octet) { return IntToBinStr(8, octet); });
}

std::string FormatDottedHex(std::uint32_t address) {
  return JoinOctets(address, [](std::uint8_t octet) { return IntToHex(std::int64_t{octet}, 2); });
}

std::string SubnetBitMapPattern(AddressClass c, int subnetBits, int hostBits) {
  subnetBits = subnetBits < 0 ? 0 : subnetBits;
  hostBits = hostBits < 0 ? 0 : hostBits;
  auto group = [](char bit, int count) { return "." + std::string(static_cast<std::size_t>(count), bit); };
  std::string pattern = ClassPrefixPattern(c);
  for (int i = 0; i < ClassNetworkBits(c) / 8 - 1; ++i) pattern += group('n', 8);
  for (int i = 0; i < subnetBits / 8; ++i) pattern += group('s', 8);
  if (subnetBits % 8 != 0) pattern += group('s', subnetBits % 8);
  if (hostBits % 8 != 0) pattern += std::string(static_cast<std::size_t>(hostBits % 8), 'h');
  for (int i = 0; i < hostBits / 8; ++i) pattern += group('h', 8);
  return pattern;
}

std::string ClassBitMapPattern(AddressClass c) { return SubnetBitMapPattern(c, 0, 32 - ClassNetworkBits(c)); }
