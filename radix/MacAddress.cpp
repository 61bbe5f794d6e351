// SPDX-License-Identifier: MIT
#include "radix/MacAddress.h"

#include <algorithm>

#include "prefix/Address.h"
#include "prefix/AddressBlocks.h"

namespace {
bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

int DigitValue(char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

// Hex digits in groups of one length, or of one or two digits between ':' or
// '-', with a single kind of separator.
std::optional<TMacAddress> ParseHexGroups(std::string_view text) {
  const std::size_t separatorAt = text.find_first_of(":-. ");
  const char separator = separatorAt == std::string_view::npos ? '\0' : text[separatorAt];
  std::vector<std::string_view> groups;
  for (std::size_t start = 0;;) {
    const std::size_t end = separator ? text.find(separator, start) : std::string_view::npos;
    groups.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  const bool shortGroups = (separator == ':' || separator == '-') && (groups.size() == 6 || groups.size() == 8 || groups.size() == 3);
  std::string digits;
  for (const std::string_view group : groups) {
    if (group.empty() || !std::all_of(group.begin(), group.end(), IsHexDigit)) return std::nullopt;
    if (shortGroups && group.size() <= 2) {
      digits += std::string(2 - group.size(), '0');
    } else if (group.size() != groups.front().size()) {
      return std::nullopt;
    }
    digits += group;
  }
  const TMacForm form = digits.size() == 6 ? TMacForm::OUI : digits.size() == 12 ? TMacForm::EUI48 : TMacForm::EUI64;
  if (digits.size() != 6 && digits.size() != 12 && digits.size() != 16) return std::nullopt;
  std::uint64_t value = 0;
  for (const char c : digits) value = (value << 4) | static_cast<std::uint64_t>(DigitValue(c));
  return TMacAddress{form, value};
}

std::optional<TMacAddress> ParseIpv6(std::string_view text) {
  const Result<AddressInput> parsed = ParseAddressInput(text);
  if (!parsed.Ok() || parsed.Value.Address.Family != AddressFamily::V6) return std::nullopt;
  if (const std::optional<std::uint64_t> mac = MacFromInterfaceId(parsed.Value.Address)) return TMacAddress{TMacForm::EUI48, *mac};
  // Modified EUI-64 inverts the universal/local bit.
  return TMacAddress{TMacForm::EUI64, static_cast<std::uint64_t>(parsed.Value.Address.Value) ^ (std::uint64_t{0x02} << 56)};
}

std::uint8_t ReversedBits(std::uint8_t byte) {
  std::uint8_t reversed = 0;
  for (int bit = 0; bit < 8; ++bit) reversed = static_cast<std::uint8_t>(reversed | (((byte >> bit) & 1) << (7 - bit)));
  return reversed;
}

std::uint8_t FirstByte(const TMacAddress& mac) { return static_cast<std::uint8_t>(mac.Value >> (MacBits(mac.Form) - 8)); }
}  // namespace

std::optional<TMacAddress> ParseMacAddress(std::string_view text) {
  text = Trimmed(text);
  if (text.substr(0, 2) == "0x" || text.substr(0, 2) == "0X") text.remove_prefix(2);
  if (std::optional<TMacAddress> mac = ParseHexGroups(text)) return mac;
  return text.find(':') == std::string_view::npos ? std::nullopt : ParseIpv6(text);
}

unsigned MacBits(TMacForm form) { return form == TMacForm::OUI ? 24 : form == TMacForm::EUI48 ? 48 : 64; }

std::vector<std::string> MacNotations(const TMacAddress& mac) {
  constexpr char Upper[] = "0123456789ABCDEF";
  constexpr char Lower[] = "0123456789abcdef";
  const unsigned bytes = MacBits(mac.Form) / 8;
  auto byteAt = [&](unsigned i) { return static_cast<unsigned>((mac.Value >> (8 * (bytes - 1 - i))) & 0xFF); };
  std::string colons, hyphens, dotted, bare;
  for (unsigned i = 0; i < bytes; ++i) {
    const std::string upper{Upper[byteAt(i) >> 4], Upper[byteAt(i) & 0xF]};
    const std::string lower{Lower[byteAt(i) >> 4], Lower[byteAt(i) & 0xF]};
    colons += (i ? ":" : "") + upper;
    hyphens += (i ? "-" : "") + upper;
    dotted += (i && i % 2 == 0 ? "." : "") + lower;
    bare += lower;
  }
  if (mac.Form == TMacForm::OUI) return {colons, hyphens, bare};
  return {colons, hyphens, dotted, bare};
}

TMacAddress BitSwapped(const TMacAddress& mac) {
  std::uint64_t value = 0;
  for (unsigned shift = 0; shift < MacBits(mac.Form); shift += 8)
    value |= std::uint64_t{ReversedBits(static_cast<std::uint8_t>(mac.Value >> shift))} << shift;
  return {mac.Form, value};
}

bool IsGroupAddress(const TMacAddress& mac) { return (FirstByte(mac) & 0x01) != 0; }
bool IsLocalAddress(const TMacAddress& mac) { return (FirstByte(mac) & 0x02) != 0; }

std::uint64_t MacLookupKey(const TMacAddress& mac) {
  return mac.Form == TMacForm::OUI ? mac.Value << 24 : mac.Form == TMacForm::EUI48 ? mac.Value : mac.Value >> 16;
}

unsigned MacKnownBits(const TMacAddress& mac) { return std::min(MacBits(mac.Form), 48u); }

std::optional<std::uint64_t> Eui64Of(const TMacAddress& mac) {
  if (mac.Form == TMacForm::OUI) return std::nullopt;
  if (mac.Form == TMacForm::EUI64) return mac.Value;
  return ((mac.Value >> 24) << 40) | (std::uint64_t{0xFFFE} << 24) | (mac.Value & 0xFFFFFF);
}

std::optional<std::string> LinkLocalAddressOf(const TMacAddress& mac) {
  const std::optional<std::uint64_t> eui64 = Eui64Of(mac);
  if (!eui64) return std::nullopt;
  const U128 address = (U128{0xFE80} << 112) | (*eui64 ^ (std::uint64_t{0x02} << 56));
  return CanonicalText({AddressFamily::V6, address});
}

std::optional<TVendorBlock> MacVendor(const TVendorRegistry& registry, const TMacAddress& mac) {
  const std::optional<TVendorBlock> block = registry.Find(MacLookupKey(mac), MacKnownBits(mac));
  if (IsLocalAddress(mac) && block && block->Kind != TVendorRegistryKind::CID) return std::nullopt;
  return block;
}
