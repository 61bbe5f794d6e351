// SPDX-License-Identifier: MIT
#pragma once
// Links of today for the properties dialog's preset list: each gives a
// network its name, bandwidth and propagation delay at once. The names are
// none of the topology list's, so a preset network is of kind "other".
#include <cstdint>
#include <span>
#include <string_view>

struct TLinkPreset {
  std::string_view Name;    // the topology name it gives
  double Bandwidth;         // Mbps
  std::int32_t PropDelay;   // ms, one way
  std::string_view Source;  // where the figures come from, and whether typical or peak
};

// In list order: Ethernet by speed, Wi-Fi, mobile, access lines, satellites, old carriers.
std::span<const TLinkPreset> LinkPresets();
