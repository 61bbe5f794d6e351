// SPDX-License-Identifier: MIT
#pragma once
// A propagation delay from a distance: how long a signal takes over so many
// kilometres of a medium. For a satellite the distance is its altitude and the
// signal goes up to it and down again.
#include <cstdint>
#include <span>
#include <string_view>

enum class TMedium { Fibre, Copper, RadioInAir, Satellite };

struct TMediumInfo {
  TMedium Medium;
  std::string_view Name;
  double MicrosecondsPerKm;  // one way through the medium
};

// In list order.
std::span<const TMediumInfo> Media();

// The one-way delay in milliseconds over `km` (not negative) of `medium`.
double PropagationDelayMs(double km, TMedium medium);

// A delay as a network keeps it: whole milliseconds, rounded half up, at
// least 1 for any delay above 0, and at most the largest 32-bit integer.
std::int32_t WholeMilliseconds(double exactMs);
