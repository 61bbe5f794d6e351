// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "latency/LatencyFormat.h"
#include "latency/LatencyModel.h"
#include "latency/SampleChain.h"

namespace {

TNetworkElement Host(TNetworkButtonKind kind, const char* name, int packetSize, int processTime) {
  TNetworkElement e;
  e.NetworkButtonKind = kind;
  e.NetworkName = name;
  e.PacketSize = packetSize;
  e.ProcessTime = processTime;
  return e;
}

TNetworkElement Network(TNetworkButtonKind kind, double bandwidth, int propDelay) {
  TNetworkElement e;
  e.NetworkButtonKind = kind;
  e.Bandwidth = bandwidth;
  e.PropDelay = propDelay;
  return e;
}

// Client, the given networks, server.
struct TChain {
  std::vector<TNetworkElement> Elements;

  TChain(TNetworkElement client, std::vector<TNetworkElement> networks, TNetworkElement server) {
    Elements.push_back(std::move(client));
    for (auto& n : networks) Elements.push_back(std::move(n));
    Elements.push_back(std::move(server));
  }

  TLatencyResults Compute() const {
    std::vector<const TNetworkElement*> chain;
    for (const auto& e : Elements) chain.push_back(&e);
    return ComputeLatency(chain);
  }
};

TChain SampleChain() {
  std::vector<TNetworkElement> networks;
  for (const TSampleNetwork& s : SampleNetworks()) {
    TNetworkElement e = Network(s.Kind, s.Bandwidth, s.PropDelay);
    e.NetworkName = s.Name;
    networks.push_back(e);
  }
  return TChain(Host(nbDesktopCPU, "Client", SampleRequestSize, 0), networks,
                Host(nbTowerCPU, "Server", SampleReplySize, SampleServerProcessTime));
}

enum TDirection { ClientToServer, ServerToClient, RoundTrip };

float DelayOf(const TElementResults& r, TDirection d) {
  return d == ClientToServer ? r.ClientToServerDelay
         : d == ServerToClient ? r.ServerToClientDelay
                               : r.RoundTripDelay;
}
float ShareOf(const TElementResults& r, TDirection d) {
  return d == ClientToServer ? r.ClientToServerShare
         : d == ServerToClient ? r.ServerToClientShare
                               : r.RoundTripShare;
}
float TotalOf(const TLatencyTotals& t, TDirection d) {
  return d == ClientToServer ? t.TotalClientToServer
         : d == ServerToClient ? t.TotalServerToClient
                               : t.TotalRoundTrip;
}

struct TSampleRows {
  TDirection Direction;
  // Client, Ethernet, FDDI, Frame Relay, Token Ring, Server: delay and percent.
  std::vector<std::pair<const char*, const char*>> Rows;
  const char* Total;
};

TEST(LatencyModel, SampleChainShowsItsFiguresDigitForDigit) {
  const std::vector<TSampleRows> table{
      {ClientToServer,
       {{"0.0000000", "0.0%"}, {"0.0000672", "1.2%"}, {"0.0000051", "0.1%"},
        {"0.0053316", "98.1%"}, {"0.0000320", "0.6%"}, {"0.0000000", "0.0%"}},
       "0.0054359"},
      {ServerToClient,
       {{"0.0000000", "0.0%"}, {"0.0008352", "6.6%"}, {"0.0000819", "0.6%"},
        {"0.0103057", "80.9%"}, {"0.0005120", "4.0%"}, {"0.0010000", "7.9%"}},
       "0.0127348"},
      {RoundTrip,
       {{"0.0000000", "0.0%"}, {"0.0009024", "6.9%"}, {"0.0000870", "0.7%"},
        {"0.0106373", "80.8%"}, {"0.0005440", "4.1%"}, {"0.0010000", "7.6%"}},
       "0.0131707"},
  };
  const TLatencyResults results = SampleChain().Compute();
  ASSERT_EQ(results.Elements.size(), 6u);
  for (const TSampleRows& expected : table) {
    SCOPED_TRACE(expected.Direction);
    for (std::size_t i = 0; i < expected.Rows.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(FormatDelay(DelayOf(results.Elements[i], expected.Direction), "."), expected.Rows[i].first);
      EXPECT_EQ(FormatPercent(ShareOf(results.Elements[i], expected.Direction), "."),
                expected.Rows[i].second);
    }
    EXPECT_EQ(FormatDelay(TotalOf(results.Totals, expected.Direction), "."), expected.Total);
  }
}

TEST(LatencyModel, HostsCountTowardsTheirOwnDirections) {
  TChain chain(Host(nbDesktopCPU, "Client", 64, 3), {Network(nbFDDI, 0, 0)},
               Host(nbTowerCPU, "Server", 1024, 7));
  const TLatencyResults r = chain.Compute();
  const TElementResults& client = r.Elements.front();
  const TElementResults& server = r.Elements.back();
  EXPECT_EQ(client.ClientToServerDelay, 0.003f);
  EXPECT_EQ(client.RoundTripDelay, 0.003f);
  EXPECT_EQ(client.ServerToClientDelay, 0.0f);
  EXPECT_EQ(server.ClientToServerDelay, 0.0f);
  EXPECT_EQ(server.RoundTripDelay, 0.007f);
  EXPECT_EQ(server.ServerToClientDelay, 0.007f);
  EXPECT_EQ(r.Totals.TotalRoundTrip, 0.01f);
}

struct TLinkCase {
  const char* Name;
  TNetworkElement Link;
  const char* OneWay;     // both one-way directions
  const char* RoundTrip;
};

// With no bandwidth term the propagation delay stands alone, which shows how
// often each kind counts it.
TEST(LatencyModel, PropagationDelayPerDirection) {
  const std::vector<TLinkCase> cases{
      {"satellite carries two packets", Network(nbSatellite, 0, 270), "0.2700000", "0.5400000"},
      {"frame relay one transmission", Network(nbFrameRelay, 0, 20), "0.0200000", "0.0200000"},
      {"ethernet without bandwidth", Network(nbEthernet, 0, 0), "0.0000000", "0.0000000"},
      {"unknown network", Network(nbUnknownNetwork, 0, 10), "0.0100000", "0.0100000"},
  };
  for (const TLinkCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TChain chain(Host(nbDesktopCPU, "Client", 64, 0), {c.Link}, Host(nbTowerCPU, "Server", 1024, 0));
    const TElementResults link = chain.Compute().Elements[1];
    EXPECT_EQ(FormatDelay(link.ClientToServerDelay, "."), c.OneWay);
    EXPECT_EQ(FormatDelay(link.ServerToClientDelay, "."), c.OneWay);
    EXPECT_EQ(FormatDelay(link.RoundTripDelay, "."), c.RoundTrip);
  }
}

TEST(LatencyModel, ZeroTotalGivesNoShares) {
  struct TCase {
    const char* Name;
    int ClientProcessTime;
  };
  // All zero; and only the reply's total zero, which still clears every share.
  for (const TCase& c : {TCase{"all directions zero", 0}, TCase{"reply total zero", 5}}) {
    SCOPED_TRACE(c.Name);
    TChain chain(Host(nbDesktopCPU, "Client", 0, c.ClientProcessTime),
                 {Network(nbEthernet, 0, 0), Network(nbATM, 0, 0)}, Host(nbTowerCPU, "Server", 0, 0));
    const TLatencyResults r = chain.Compute();
    EXPECT_EQ(r.Totals.TotalServerToClient, 0.0f);
    for (const TElementResults& e : r.Elements) {
      EXPECT_EQ(FormatPercent(e.ClientToServerShare, "."), "0.0%");
      EXPECT_EQ(FormatPercent(e.RoundTripShare, "."), "0.0%");
      EXPECT_EQ(FormatPercent(e.ServerToClientShare, "."), "0.0%");
    }
  }
}

TEST(LatencyModel, PacketSizesThatOverflowTogetherAreRefused) {
  struct TCase {
    int Request, Reply;
    bool Overflows;
  };
  for (const TCase& c : {TCase{INT_MAX, 0, false}, TCase{INT_MAX, 1, true}, TCase{INT_MAX / 2 + 1, INT_MAX / 2 + 1, true},
                         TCase{1 << 30, (1 << 30) - 1, false}}) {
    TChain chain(Host(nbDesktopCPU, "Client", c.Request, 0), {Network(nbATM, 155.52, 1)},
                 Host(nbTowerCPU, "Server", c.Reply, 0));
    if (c.Overflows) {
      try {
        chain.Compute();
        ADD_FAILURE() << c.Request << " + " << c.Reply << " did not overflow";
      } catch (const std::overflow_error& e) {
        EXPECT_STREQ(e.what(), "Integer overflow");
      }
    } else {
      EXPECT_GT(chain.Compute().Totals.TotalRoundTrip, 0.0f);
    }
  }
}

TEST(LatencyModel, DelayIsFiniteAndNonNegativeForAnyBandwidth) {
  for (TNetworkButtonKind kind : {nbEthernet, nbFDDI, nbSatellite, nbOther}) {
    for (double bandwidth : {0.0, -1.0, 1e-300, 1e-9, 1e300, std::nan("")}) {
      const float d = Delay(Network(kind, bandwidth, 3), INT_MAX);
      EXPECT_TRUE(std::isfinite(d)) << kind << " " << bandwidth;
      EXPECT_GE(d, 0.003f) << kind << " " << bandwidth;
    }
  }
}

TEST(LatencyModel, DelayTerms) {
  struct TCase {
    const char* Name;
    TNetworkElement Element;
    int PacketSize;
    float Expected;
  };
  const std::vector<TCase> cases{
      {"ethernet adds 160 framing bits", Network(nbEthernet, 10, 0), 64, 0.0000672f},
      {"other kinds add none", Network(nbFDDI, 10, 0), 64, 0.0000512f},
      {"propagation in ms", Network(nbFrameRelay, 1.544, 5), 64, 0.005331606f},
      {"zero bandwidth leaves propagation", Network(nbEthernet, 0, 4), 64, 0.004f},
      {"host ignores the packet", Host(nbTowerCPU, "Server", 1, 1), 100000, 0.001f},
  };
  for (const TCase& c : cases) EXPECT_FLOAT_EQ(Delay(c.Element, c.PacketSize), c.Expected) << c.Name;
}

}  // namespace
