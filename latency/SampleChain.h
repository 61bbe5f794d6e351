// SPDX-License-Identifier: MIT
#pragma once
// The chain the latency calculator starts with: a client, four networks and a server.
#include <cstdint>
#include <span>
#include <string_view>

#include "latency/NetworkKinds.h"
#include "latency/NetworkLayout.h"

struct TSampleNetwork {
  TNetworkButtonKind Kind;
  std::string_view Name;
  double Bandwidth;  // Mbps
  std::int32_t PropDelay;  // ms
  std::int16_t TopologyIndex;
  TPanelAnchor Anchor;
};

// The networks in path order, chain indices 1 to 4.
std::span<const TSampleNetwork> SampleNetworks();

inline constexpr std::int32_t SampleRequestSize = 64;   // the client's packet, bytes
inline constexpr std::int32_t SampleReplySize = 1024;   // the server's packet, bytes
inline constexpr std::int32_t SampleServerProcessTime = 1;  // ms
inline constexpr TPanelAnchor ClientAnchor = TPanelAnchor::TopLeft;
inline constexpr TPanelAnchor ServerAnchor = TPanelAnchor::BottomRight;
