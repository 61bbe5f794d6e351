// SPDX-License-Identifier: MIT
#pragma once
// The slowest link of a chain and the data it holds in flight: the TCP window
// a sender needs to keep that link busy for a whole round trip.
#include <cstddef>
#include <optional>
#include <span>

#include "latency/NetworkElement.h"

struct TBottleneck {
  std::size_t Index;   // in the chain
  double WindowBytes;  // bandwidth times the round trip, rounded to whole bytes
};

// The network of least bandwidth above 0 (the first of equals; a bandwidth of
// 0 adds no transmission time) and its bandwidth-delay product over a round
// trip of `roundTrip` seconds. Nothing when no network has a bandwidth.
std::optional<TBottleneck> FindBottleneck(std::span<const TNetworkElement* const> chain, double roundTrip);
