// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "latency/Bottleneck.h"
#include "latency/LinkDistance.h"
#include "latency/LatencyModel.h"
#include "latency/LinkPresets.h"
#include "latency/NetworkKinds.h"
#include "latency/SampleChain.h"

namespace {

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  return lower;
}

TEST(LinkPresetsTest, GiveTheFiguresOfTheirStandards) {
  struct TExpected {
    const char* Name;
    double Bandwidth;
    int PropDelay;
  };
  // Nominal rates of the standards; Wi-Fi PHY rates for the streams, width and MCS its line cites.
  const std::vector<TExpected> expected{
      {"Ethernet 1 Gb/s", 1000, 0},       {"Ethernet 2.5 Gb/s", 2500, 0},     {"Ethernet 5 Gb/s", 5000, 0},
      {"Ethernet 10 Gb/s", 10000, 0},     {"Ethernet 25 Gb/s", 25000, 0},     {"Ethernet 40 Gb/s", 40000, 0},
      {"Ethernet 50 Gb/s", 50000, 0},     {"Ethernet 100 Gb/s", 100000, 0},   {"Ethernet 200 Gb/s", 200000, 0},
      {"Ethernet 400 Gb/s", 400000, 0},   {"Wi-Fi 5 typical", 866.7, 0},      {"Wi-Fi 5 peak", 6933.3, 0},
      {"Wi-Fi 6 typical", 1201, 0},       {"Wi-Fi 6 peak", 9607.8, 0},        {"Wi-Fi 7 typical", 2882.4, 0},
      {"Wi-Fi 7 peak", 46118.4, 0},       {"LTE typical", 30, 10},            {"5G typical", 200, 5},
      {"DOCSIS 3.1 typical", 1000, 5},    {"GPON", 2488.32, 1},               {"XGS-PON", 9953.28, 1},
      {"VDSL2 typical", 50, 8},           {"GEO satellite hop", 50, 239},     {"LEO satellite hop", 100, 4},
      {"T1/DS1", 1.544, 5},               {"E1", 2.048, 5},                   {"T3/DS3", 44.736, 5},
      {"E3", 34.368, 5},
  };
  const auto presets = LinkPresets();
  ASSERT_EQ(presets.size(), expected.size());
  for (std::size_t i = 0; i < presets.size(); ++i) {
    SCOPED_TRACE(expected[i].Name);
    EXPECT_EQ(presets[i].Name, expected[i].Name);
    EXPECT_EQ(presets[i].Bandwidth, expected[i].Bandwidth);
    EXPECT_EQ(presets[i].PropDelay, expected[i].PropDelay);
    // Each cites its standard, and whether its rate is typical or peak where it could be either.
    EXPECT_FALSE(presets[i].Source.empty());
    const std::string name = Lower(presets[i].Name);
    for (const char* word : {"typical", "peak"}) {
      if (name.find(word) != std::string::npos) {
        EXPECT_NE(Lower(presets[i].Source).find(word), std::string::npos) << word;
      }
    }
    // No preset spells an entry of the topology list, so each is a name of the user's own.
    for (const TTopologyEntry& entry : TopologyEntries()) EXPECT_NE(name, Lower(entry.Text));
  }
  // The user guide cites each preset's figures in a line of its own.
  std::ifstream guide(USER_GUIDE);
  ASSERT_TRUE(guide) << USER_GUIDE;
  std::set<std::string> lines;
  for (std::string line; std::getline(guide, line);) lines.insert(line);
  for (const TLinkPreset& preset : presets)
    EXPECT_TRUE(lines.count("  <li><b>" + std::string(preset.Name) + "</b>: " + std::string(preset.Source) + "</li>"))
        << preset.Name;
  // The satellite hops' delays are their altitudes' at the speed of light.
  EXPECT_EQ(presets[22].PropDelay, WholeMilliseconds(PropagationDelayMs(35786, TMedium::Satellite)));
  EXPECT_EQ(presets[23].PropDelay, WholeMilliseconds(PropagationDelayMs(550, TMedium::Satellite)));
}

TEST(LinkDistanceTest, GivesWholeMillisecondsRoundedHalfUp) {
  struct TCase {
    double Km;
    TMedium Medium;
    double ExactMs;
    int WholeMs;
  };
  const std::vector<TCase> cases{
      {0, TMedium::Fibre, 0, 0},
      {1, TMedium::Fibre, 0.0049, 1},  // never below 1 ms for a distance
      {100, TMedium::Copper, 0.5, 1},  // half rounds up
      {299.99, TMedium::Copper, 1.49995, 1},
      {300, TMedium::Copper, 1.5, 2},
      {1000, TMedium::Fibre, 4.9, 5},
      {299.792458, TMedium::RadioInAir, 1, 1},
      {35786, TMedium::Satellite, 238.74, 239},  // up and down again
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Km);
    EXPECT_NEAR(PropagationDelayMs(c.Km, c.Medium), c.ExactMs, 0.005);
    EXPECT_EQ(WholeMilliseconds(PropagationDelayMs(c.Km, c.Medium)), c.WholeMs);
  }
  EXPECT_EQ(WholeMilliseconds(1e15), INT_MAX);
}

TNetworkElement Element(TNetworkButtonKind kind, std::string_view name, double bandwidth, int propDelay) {
  TNetworkElement e;
  e.NetworkButtonKind = kind;
  e.NetworkName = name;
  e.Bandwidth = bandwidth;
  e.PropDelay = propDelay;
  return e;
}

std::vector<TNetworkElement> SampleElements() {
  TNetworkElement client = Element(nbDesktopCPU, "Client", 0, 0);
  client.PacketSize = SampleRequestSize;
  TNetworkElement server = Element(nbTowerCPU, "Server", 0, 0);
  server.PacketSize = SampleReplySize;
  server.ProcessTime = SampleServerProcessTime;
  std::vector<TNetworkElement> chain{client};
  for (const TSampleNetwork& n : SampleNetworks()) chain.push_back(Element(n.Kind, n.Name, n.Bandwidth, n.PropDelay));
  chain.push_back(server);
  return chain;
}

TEST(BottleneckTest, IsTheSlowestNetworkAndItsWindowOverTheRoundTrip) {
  const std::vector<TNetworkElement> sample = SampleElements();
  std::vector<TNetworkElement> satellite = sample;
  satellite.insert(satellite.begin() + 2, Element(nbSatellite, "Satellite", 0.512, 270));
  const std::vector<TNetworkElement> unknown{sample.front(), Element(nbOther, "Mine", 0, 10), sample.back()};
  struct TCase {
    const char* Name;
    const std::vector<TNetworkElement>* Chain;
    std::size_t Index;
    double Window;
  };
  // Round trips 0.0131707 s and 0.5701707 s: 1.544 Mb/s hold 2542 bytes over the first, 0.512 Mb/s 36491 bytes over
  // the second.
  const std::vector<TCase> cases{{"sample", &sample, 3, 2542}, {"satellite", &satellite, 2, 36491},
                                 {"no bandwidth", &unknown, 0, 0}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    std::vector<const TNetworkElement*> chain;
    for (const TNetworkElement& e : *c.Chain) chain.push_back(&e);
    const std::optional<TBottleneck> found = FindBottleneck(chain, ComputeLatency(chain).Totals.TotalRoundTrip);
    ASSERT_EQ(found.has_value(), c.Window > 0);
    if (!found) continue;
    EXPECT_EQ(found->Index, c.Index);
    EXPECT_EQ(found->WindowBytes, c.Window);
  }
}

}  // namespace
