// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "latency/NetworkKinds.h"

namespace {

struct TKindCase {
  TNetworkButtonKind Kind;
  int Ordinal;
  const char* Glyph;
  std::vector<double> Bandwidths;
  TPropDelaySetup Setup;
  int DefaultPropDelay;
};

const std::vector<double> Carrier{0.064, 0.128, 0.256, 0.512, 1.024, 1.544, 6.312, 44.736, 274.176};

TEST(NetworkKinds, KindTable) {
  using enum TPropDelaySetup;
  const std::vector<TKindCase> cases{
      {nb56Switched, 0, "OTHER", {0.056}, EditableSet, 10},
      {nbATM, 1, "ATM", {25, 155.52, 622.08}, EditableSet, 1},
      {nbBISDN, 2, "ATM", {25, 155.52, 622.08}, EditableKept, 0},
      {nbDQDB, 3, "DQDB", {44.736}, EditableSet, 1},
      {nbEthernet, 4, "ETHERNET", {10, 100, 1000}, Disabled, 0},
      {nbFDDI, 5, "FDDI", {100}, Disabled, 0},
      {nbFrameRelay, 6, "OTHER", Carrier, EditableSet, 20},
      {nbHIPPI, 7, "HIPPI", {800, 1600}, Disabled, 0},
      {nbISDN, 8, "ATM", {}, EditableKept, 0},
      {nbOther, 9, "OTHER",
       {0.056, 0.064, 0.128, 0.256, 0.512, 1.024, 1.544, 4, 6.312, 10, 16, 25, 44.736, 100, 155.52,
        274.176, 622.08, 800, 1000, 1600},
       EditableSet, 10},
      {nbSatellite, 10, "SATELLITE", Carrier, EditableSet, 270},
      {nbSMDS, 11, "DQDB", {44.736}, EditableSet, 1},
      {nbTCarrier, 12, "TCARRIER", Carrier, EditableSet, 5},
      {nbTokenRing, 13, "TOKENRING", {4, 16}, Disabled, 0},
      {nbUnknownNetwork, 14, "UNKNOWNNETWORK", {}, EditableKept, 0},
      {nbX25, 15, "X25", Carrier, EditableSet, 10},
      {nbDesktopCPU, 16, "DESKTOPCPU", {}, HostFields, 0},
      {nbTowerCPU, 17, "TOWERCPU", {}, HostFields, 0},
  };
  ASSERT_EQ(cases.size(), std::size_t(NetworkButtonKindCount));
  static_assert(sizeof(TNetworkButtonKind) == 1);
  for (const TKindCase& c : cases) {
    SCOPED_TRACE(c.Glyph + std::to_string(c.Ordinal));
    EXPECT_EQ(int(c.Kind), c.Ordinal);
    const TNetworkKindInfo& info = KindInfo(c.Kind);
    EXPECT_EQ(info.GlyphName, c.Glyph);
    EXPECT_EQ(std::vector<double>(info.Bandwidths.begin(), info.Bandwidths.end()), c.Bandwidths);
    EXPECT_EQ(info.PropDelaySetup, c.Setup);
    if (c.Setup == EditableSet) {
      EXPECT_EQ(info.DefaultPropDelay, c.DefaultPropDelay);
    }
    EXPECT_EQ(IsHostKind(c.Kind), c.Setup == HostFields);
  }
}

TEST(NetworkKinds, EveryTopologyDefaultIsOfferedByItsKind) {
  const auto entries = TopologyEntries();
  ASSERT_EQ(entries.size(), 14u);
  for (const TTopologyEntry& entry : entries) {
    const auto offered = KindInfo(entry.Kind).Bandwidths;
    EXPECT_NE(std::find(offered.begin(), offered.end(), entry.DefaultBandwidth), offered.end()) << entry.Text;
    EXPECT_FALSE(IsHostKind(entry.Kind)) << entry.Text;
    EXPECT_NE(entry.Kind, nbISDN);
    EXPECT_NE(entry.Kind, nbUnknownNetwork);
    EXPECT_NE(entry.Kind, nbOther);
  }
  EXPECT_EQ(entries[10].Text, "T1");
  EXPECT_EQ(entries[10].DefaultBandwidth, 1.544);
  EXPECT_EQ(entries[11].Text, "T3");
  EXPECT_EQ(entries[11].Kind, nbTCarrier);
  EXPECT_EQ(entries[11].DefaultBandwidth, 44.736);
  EXPECT_EQ(entries[13].Text, "X.25");
}

}  // namespace
