// SPDX-License-Identifier: MIT
#pragma once
// The results the Prefix Calculator shows for an input, as texts, so that the
// window and the command line show the same answers.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "prefix/Address.h"

// One result: a stable key for machine-readable output and the caption shown.
struct ReportField {
  const char* Key;
  const char* Caption;
};

// A result's text; nothing where the result does not apply ("none" in the window).
using ReportText = std::optional<std::string>;

inline constexpr std::size_t AddressFieldCount = 12;
inline constexpr std::size_t PrefixFieldCount = 9;
extern const std::array<ReportField, AddressFieldCount> AddressFields;
extern const std::array<ReportField, PrefixFieldCount> PrefixFields;

// The vendor of a 48-bit MAC address, or why there is none.
using VendorLookup = std::function<std::string(std::uint64_t mac)>;

// The address in every notation, what it is and what it carries, in the order of AddressFields.
std::array<ReportText, AddressFieldCount> AddressTexts(const AddressInput& input, const VendorLookup& vendorOf);
// The network, its ends, masks and size, in the order of PrefixFields.
std::array<ReportText, PrefixFieldCount> PrefixTexts(const IpPrefix& prefix);

class TVendorRegistry;
// The vendor of the EUI-48 `mac` as the window shows it: the organization of
// the longest block holding it, or why there is none (no registry, or not in it).
std::string RegistryVendor(const TVendorRegistry* registry, std::uint64_t mac);
