// SPDX-License-Identifier: MIT
#include "latency/Bottleneck.h"

#include <cmath>

std::optional<TBottleneck> FindBottleneck(std::span<const TNetworkElement* const> chain, double roundTrip) {
  std::optional<std::size_t> slowest;
  for (std::size_t i = 0; i < chain.size(); ++i) {
    const TNetworkElement& element = *chain[i];
    if (IsHostKind(element.NetworkButtonKind) || !(element.Bandwidth > 0)) continue;
    if (!slowest || element.Bandwidth < chain[*slowest]->Bandwidth) slowest = i;
  }
  if (!slowest) return std::nullopt;
  // Megabits per second to bytes per second.
  const double bytesPerSecond = chain[*slowest]->Bandwidth * 125000.0;
  return TBottleneck{*slowest, std::round(bytesPerSecond * roundTrip)};
}
