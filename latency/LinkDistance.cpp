// SPDX-License-Identifier: MIT
#include "latency/LinkDistance.h"

#include <array>
#include <cmath>
#include <limits>

namespace {
// Light in vacuum (and, near enough, in air): 299,792.458 km/s.
constexpr double RadioMicrosecondsPerKm = 1000.0 / 299.792458;

constexpr std::array<TMediumInfo, 4> MediaTable{{
    {TMedium::Fibre, "Fibre", 4.9},
    {TMedium::Copper, "Copper", 5.0},
    {TMedium::RadioInAir, "Radio in air", RadioMicrosecondsPerKm},
    {TMedium::Satellite, "Satellite (altitude)", RadioMicrosecondsPerKm},
}};
}  // namespace

std::span<const TMediumInfo> Media() { return MediaTable; }

double PropagationDelayMs(double km, TMedium medium) {
  double perKm = 0;
  for (const TMediumInfo& info : MediaTable)
    if (info.Medium == medium) perKm = info.MicrosecondsPerKm;
  // Up to the satellite and down again, the satellite overhead.
  const double path = medium == TMedium::Satellite ? 2 * km : km;
  return path * perKm / 1000.0;
}

std::int32_t WholeMilliseconds(double exactMs) {
  constexpr double largest = std::numeric_limits<std::int32_t>::max();
  if (!(exactMs > 0)) return 0;
  const double whole = std::floor(exactMs + 0.5);
  if (whole >= largest) return std::numeric_limits<std::int32_t>::max();
  return whole < 1 ? 1 : static_cast<std::int32_t>(whole);
}
