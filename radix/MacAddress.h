// SPDX-License-Identifier: MIT
#pragma once
// MAC addresses in the notations people paste, and what their bits say.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "radix/VendorRegistry.h"

// An OUI alone (24 bits), an EUI-48 or an EUI-64, right-aligned in Value.
enum class TMacForm { OUI, EUI48, EUI64 };

struct TMacAddress {
  TMacForm Form = TMacForm::EUI48;
  std::uint64_t Value = 0;
  bool operator==(const TMacAddress&) const = default;
};

// Reads "3c:22:fb:12:34:56", "3C-22-FB-12-34-56", "3c22.fb12.3456",
// "3c22fb123456", "3c22fb-123456", "0:1b:2:3:4:5", an OUI ("3C22FB",
// "3c-22-fb"), an EUI-64 in the same notations, and an IPv6 address, whose
// interface identifier is read as a modified EUI-64 (an EUI-48 when it holds
// FF-FE in its middle). Blanks around are ignored; nothing when it is none of these.
std::optional<TMacAddress> ParseMacAddress(std::string_view text);

unsigned MacBits(TMacForm form);
// "3C:22:FB:12:34:56", "3C-22-FB-12-34-56", "3c22.fb12.3456", "3c22fb123456";
// an OUI has no dotted form.
std::vector<std::string> MacNotations(const TMacAddress& mac);
// Each byte's bits reversed: the address in Token Ring/FDDI bit order and back.
TMacAddress BitSwapped(const TMacAddress& mac);
// The individual/group bit (set: a group, multicast address) and the
// universal/local bit (set: locally administered) of the first byte.
bool IsGroupAddress(const TMacAddress& mac);
bool IsLocalAddress(const TMacAddress& mac);
// The address's first 48 bits (an OUI's followed by zeros) and how many of
// them the address gives: the key of a vendor lookup.
std::uint64_t MacLookupKey(const TMacAddress& mac);
unsigned MacKnownBits(const TMacAddress& mac);
// The EUI-64 of an EUI-48 (FF-FE in the middle) or the EUI-64 itself; none for an OUI.
std::optional<std::uint64_t> Eui64Of(const TMacAddress& mac);
// The IPv6 link-local address whose interface identifier is the modified
// EUI-64 ("fe80::3e22:fbff:fe12:3456"); none for an OUI.
std::optional<std::string> LinkLocalAddressOf(const TMacAddress& mac);

// The vendor of the longest block holding the address. A locally administered
// address has none, unless it lies in a company ID's (CID) block.
std::optional<TVendorBlock> MacVendor(const TVendorRegistry& registry, const TMacAddress& mac);
