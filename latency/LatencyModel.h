// SPDX-License-Identifier: MIT
#pragma once
// The latency arithmetic: how long each element of a chain delays a request,
// a reply and a round trip, in 32-bit floats as the results are kept.
#include <cstdint>
#include <span>
#include <vector>

#include "latency/NetworkElement.h"

// The delay in seconds that `element` adds to one packet of `packetSize` bytes:
// a host's processing time, or a network's transmission (plus framing for
// Ethernet) and propagation time. Always finite and, for the non-negative
// times the properties allow, non-negative.
float Delay(const TNetworkElement& element, std::int32_t packetSize);

struct TLatencyTotals {
  float TotalClientToServer = 0;
  float TotalRoundTrip = 0;
  float TotalServerToClient = 0;

  bool operator==(const TLatencyTotals&) const = default;
};

struct TLatencyResults {
  std::vector<TElementResults> Elements;  // in chain order
  TLatencyTotals Totals;
};

// Computes every element's results and the totals of `chain` (client first,
// server last, at least those two). The request is the client's packet size,
// the reply the server's. Throws std::overflow_error("Integer overflow") when
// the two sizes together do not fit a signed 32-bit integer.
TLatencyResults ComputeLatency(std::span<const TNetworkElement* const> chain);
