// SPDX-License-Identifier: MIT
#include "latency/SampleChain.h"

#include <array>

namespace {
constexpr std::array<TSampleNetwork, 4> Networks{{
    {nbEthernet, "Ethernet", 10, 0, 4, TPanelAnchor::TopRight},
    {nbFDDI, "FDDI", 100, 0, 5, TPanelAnchor::MiddleRight},
    {nbFrameRelay, "Frame Relay", 1.544, 5, 6, TPanelAnchor::MiddleLeft},
    {nbTokenRing, "Token Ring", 16, 0, 12, TPanelAnchor::BottomLeft},
}};
}  // namespace

std::span<const TSampleNetwork> SampleNetworks() { return Networks; }
