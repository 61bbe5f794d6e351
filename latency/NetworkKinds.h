// SPDX-License-Identifier: MIT
#pragma once
// The kinds of element in a latency chain and what each kind brings with it:
// its glyph, the bandwidths offered for it and its propagation delay set-up.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// The ordinals are fixed: they are stored as one byte.
enum TNetworkButtonKind : std::uint8_t {
  nb56Switched = 0,
  nbATM = 1,
  nbBISDN = 2,
  nbDQDB = 3,
  nbEthernet = 4,
  nbFDDI = 5,
  nbFrameRelay = 6,
  nbHIPPI = 7,
  nbISDN = 8,
  nbOther = 9,
  nbSatellite = 10,
  nbSMDS = 11,
  nbTCarrier = 12,
  nbTokenRing = 13,
  nbUnknownNetwork = 14,
  nbX25 = 15,
  nbDesktopCPU = 16,
  nbTowerCPU = 17,
};

inline constexpr int NetworkButtonKindCount = 18;

// The client and the server; every other kind is a network.
constexpr bool IsHostKind(TNetworkButtonKind kind) {
  return kind == nbDesktopCPU || kind == nbTowerCPU;
}

// How the propagation delay field is set up when the properties of a kind are shown.
enum class TPropDelaySetup : std::uint8_t {
  Disabled,      // the field is disabled and set to 0
  EditableSet,   // editable, set to the kind's default
  EditableKept,  // editable, the value is kept
  HostFields,    // a host: processing time and packet size instead
};

struct TNetworkKindInfo {
  std::string_view GlyphName;         // picture resource of the element
  std::span<const double> Bandwidths;  // Mbps, in the order offered
  TPropDelaySetup PropDelaySetup;
  std::int32_t DefaultPropDelay;       // ms; meaningful for EditableSet only
};

const TNetworkKindInfo& KindInfo(TNetworkButtonKind kind);

// An entry of the properties dialog's topology list and the kind it selects.
struct TTopologyEntry {
  std::string_view Text;
  TNetworkButtonKind Kind;
  double DefaultBandwidth;  // Mbps, selected when the entry is chosen
};

// Entries 0 to 13 in list order; any other text selects nbOther.
std::span<const TTopologyEntry> TopologyEntries();
