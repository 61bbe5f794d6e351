// SPDX-License-Identifier: MIT
#pragma once
// The results the MAC Address page shows for an address, as texts, so that the
// window and the command line show the same answers.
#include <array>
#include <cstddef>
#include <string>

#include "radix/MacAddress.h"

// One result: a stable key for machine-readable output and the caption shown.
struct MacField {
  const char* Key;
  const char* Caption;
};

inline constexpr std::size_t MacFieldCount = 8;
extern const std::array<MacField, MacFieldCount> MacFields;

// The results in the order of MacFields, some of several lines; `registry`
// is the vendor registry, none when it is not installed.
std::array<std::string, MacFieldCount> MacTexts(const TMacAddress& mac, const TVendorRegistry* registry);
