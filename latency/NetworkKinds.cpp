// SPDX-License-Identifier: MIT
#include "latency/NetworkKinds.h"

#include <array>

namespace {

constexpr std::array<double, 1> Switched56List{0.056};
constexpr std::array<double, 3> AtmList{25, 155.52, 622.08};
constexpr std::array<double, 1> DqdbList{44.736};
constexpr std::array<double, 3> EthernetList{10, 100, 1000};
constexpr std::array<double, 1> FddiList{100};
constexpr std::array<double, 2> HippiList{800, 1600};
constexpr std::array<double, 2> TokenRingList{4, 16};
constexpr std::array<double, 9> CarrierList{0.064, 0.128, 0.256, 0.512, 1.024,
                                            1.544, 6.312, 44.736, 274.176};
constexpr std::array<double, 20> FullList{0.056, 0.064, 0.128, 0.256, 0.512, 1.024, 1.544,
                                          4,     6.312, 10,    16,    25,    44.736, 100,
                                          155.52, 274.176, 622.08, 800, 1000, 1600};

using enum TPropDelaySetup;

// Indexed by the kind's ordinal.
constexpr std::array<TNetworkKindInfo, NetworkButtonKindCount> KindTable{{
    {"OTHER", Switched56List, EditableSet, 10},      // nb56Switched
    {"ATM", AtmList, EditableSet, 1},                // nbATM
    {"ATM", AtmList, EditableKept, 0},               // nbBISDN
    {"DQDB", DqdbList, EditableSet, 1},              // nbDQDB
    {"ETHERNET", EthernetList, Disabled, 0},         // nbEthernet
    {"FDDI", FddiList, Disabled, 0},                 // nbFDDI
    {"OTHER", CarrierList, EditableSet, 20},         // nbFrameRelay
    {"HIPPI", HippiList, Disabled, 0},               // nbHIPPI
    {"ATM", {}, EditableKept, 0},                    // nbISDN
    {"OTHER", FullList, EditableSet, 10},            // nbOther
    {"SATELLITE", CarrierList, EditableSet, 270},    // nbSatellite
    {"DQDB", DqdbList, EditableSet, 1},              // nbSMDS
    {"TCARRIER", CarrierList, EditableSet, 5},       // nbTCarrier
    {"TOKENRING", TokenRingList, Disabled, 0},       // nbTokenRing
    {"UNKNOWNNETWORK", {}, EditableKept, 0},         // nbUnknownNetwork
    {"X25", CarrierList, EditableSet, 10},           // nbX25
    {"DESKTOPCPU", {}, HostFields, 0},               // nbDesktopCPU
    {"TOWERCPU", {}, HostFields, 0},                 // nbTowerCPU
}};

constexpr std::array<TTopologyEntry, 14> TopologyTable{{
    {"56-Switched", nb56Switched, 0.056},
    {"ATM", nbATM, 155.52},
    {"B-ISDN", nbBISDN, 155.52},
    {"DQDB", nbDQDB, 44.736},
    {"Ethernet", nbEthernet, 10},
    {"FDDI", nbFDDI, 100},
    {"Frame Relay", nbFrameRelay, 1.544},
    {"HIPPI", nbHIPPI, 800},
    {"Satellite", nbSatellite, 0.512},
    {"SMDS", nbSMDS, 44.736},
    {"T1", nbTCarrier, 1.544},
    {"T3", nbTCarrier, 44.736},
    {"Token Ring", nbTokenRing, 16},
    {"X.25", nbX25, 0.064},
}};

}  // namespace

const TNetworkKindInfo& KindInfo(TNetworkButtonKind kind) { return KindTable.at(kind); }

std::span<const TTopologyEntry> TopologyEntries() { return TopologyTable; }
