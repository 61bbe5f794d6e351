// SPDX-License-Identifier: MIT
#pragma once
// One link of a latency chain: the client, a network or the server, with the
// results the latency model last computed for it.
#include <cstdint>
#include <string>

#include "latency/NetworkKinds.h"

// Seconds (delays) and fractions of the direction's total (shares).
struct TElementResults {
  float ClientToServerDelay = 0;
  float RoundTripDelay = 0;
  float ServerToClientDelay = 0;
  float ClientToServerShare = 0;
  float RoundTripShare = 0;
  float ServerToClientShare = 0;

  bool operator==(const TElementResults&) const = default;
};

struct TNetworkElement {
  TNetworkButtonKind NetworkButtonKind = nbUnknownNetwork;
  std::string NetworkName = "<Unknown Topology>";  // UTF-8
  double Bandwidth = 0;                            // Mbps; networks only
  std::int32_t PacketSize = 512;                   // bytes; only the hosts' are used
  std::int32_t ProcessTime = 0;                    // ms; hosts only
  std::int32_t PropDelay = 0;                      // ms; networks only
  std::int16_t TopologyIndex = -1;                 // entry of the topology list, -1 when none yet
  TElementResults Results;
};
