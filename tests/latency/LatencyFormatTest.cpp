// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <optional>

#include <cmath>
#include <vector>

#include "latency/LatencyFormat.h"
#include "latency/SampleChain.h"

namespace {

struct TFixedCase {
  double Value;
  int Digits;
  const char* Expected;
};

TEST(LatencyFormat, FixedKeepsTheCoarserOfDecimalsAndSignificantDigits) {
  const std::vector<TFixedCase> cases{
      {0.0000672, 7, "0.0000672"},
      {0.001, 7, "0.0010000"},
      {0, 7, "0.0000000"},
      {-0.0, 7, "0.0000000"},
      {1.23456789, 7, "1.2345680"},       // 7 significant digits
      {1234567.891, 7, "1234568.0000000"},
      {0.00000004, 7, "0.0000000"},
      {0.00000006, 7, "0.0000001"},       // rounds up into the last place
      {-0.00000004, 7, "0.0000000"},      // no sign on a zero
      {9.99999995, 7, "10.0000000"},      // carry through every digit
      {0.125, 2, "0.13"},                 // exact ties go away from zero
      {-0.125, 2, "-0.13"},
      {2.5, 0, "3"},
      {98.08100, 1, "98.1"},
      {12345678, 7, "1.234568E7"},        // too many integer digits
      {9999999.5, 7, "1E7"},              // only after rounding
      {9999999.4, 7, "9999999.0000000"},
      {INFINITY, 7, "INF"},
  };
  for (const TFixedCase& c : cases) EXPECT_EQ(FormatFixed(c.Value, 7, c.Digits, "."), c.Expected) << c.Value;
}

TEST(LatencyFormat, GeneralIsTheShortestFormAtSixDigits) {
  const std::vector<std::pair<double, const char*>> cases{
      {0.056, "0.056"},     {1000, "1000"},         {155.52, "155.52"}, {10, "10"},
      {1.544, "1.544"},     {0, "0"},               {274.176, "274.176"},
      {0.1234567, "0.123457"}, {123456.7, "123457"}, {999999.5, "1E6"}, {1234567, "1.23457E6"},
      {0.00001, "0.00001"}, {0.000001, "1E-6"},     {0.0000015, "1.5E-6"}, {-2.5, "-2.5"},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(FormatGeneral(value, 6, "."), expected) << value;
}

TEST(LatencyFormat, DelaysAndPercentages) {
  EXPECT_EQ(FormatDelay(0.0000672f, "."), "0.0000672");
  EXPECT_EQ(FormatDelay(0.0054359f, ","), "0,0054359");
  EXPECT_EQ(FormatPercent(0.98081f, "."), "98.1%");
  EXPECT_EQ(FormatPercent(0.98081f, ","), "98,1%");
  EXPECT_EQ(FormatPercent(1.0f, "."), "100.0%");
  EXPECT_EQ(FormatPercent(0.0f, "."), "0.0%");
  EXPECT_EQ(FormatPercent(0.0125f, "."), "1.3%");  // 1.25000001...
  EXPECT_EQ(FormatPercent(0.0005f, "."), "0.1%");  // 0.0500000007...
}

TEST(LatencyFormat, SeparatorMayBeLongerThanOneByte) {
  EXPECT_EQ(FormatGeneral(1.544, 6, "\u066B"), "1\u066B544");
  EXPECT_EQ(FormatDelay(0.001f, "\u066B"), "0\u066B0010000");
}

TNetworkElement Element(TNetworkButtonKind kind, const char* name) {
  TNetworkElement e;
  e.NetworkButtonKind = kind;
  e.NetworkName = name;
  return e;
}

TEST(LatencyFormat, DescriptionLines) {
  struct TCase {
    TNetworkElement Element;
    const char* WithPoint;
    const char* WithComma;
  };
  std::vector<TCase> cases;
  for (const TSampleNetwork& s : SampleNetworks()) {
    TNetworkElement e = Element(s.Kind, std::string(s.Name).c_str());
    e.Bandwidth = s.Bandwidth;
    e.PropDelay = s.PropDelay;
    cases.push_back({e, "", ""});
  }
  cases[0].WithPoint = cases[0].WithComma = "Ethernet (10 Mbps)";
  cases[1].WithPoint = cases[1].WithComma = "FDDI (100 Mbps)";
  cases[2].WithPoint = "Frame Relay (1.544 Mbps, 5 ms prop. delay)";
  cases[2].WithComma = "Frame Relay (1,544 Mbps, 5 ms prop. delay)";
  cases[3].WithPoint = cases[3].WithComma = "Token Ring (16 Mbps)";

  TNetworkElement client = Element(nbDesktopCPU, "Client");
  client.PacketSize = SampleRequestSize;
  cases.push_back({client, "Client (64 B pkt.)", "Client (64 B pkt.)"});
  TNetworkElement server = Element(nbTowerCPU, "Server");
  server.PacketSize = SampleReplySize;
  server.ProcessTime = SampleServerProcessTime;
  cases.push_back({server, "Server (1024 B pkt., 1 ms proc. time)", "Server (1024 B pkt., 1 ms proc. time)"});
  // A host's bandwidth and a network's times of the other kind are not shown.
  TNetworkElement atm = Element(nbATM, "ATM");
  atm.Bandwidth = 155.52;
  atm.ProcessTime = 9;
  atm.PacketSize = 77;
  cases.push_back({atm, "ATM (155.52 Mbps)", "ATM (155,52 Mbps)"});
  cases.push_back({TNetworkElement{}, "<Unknown Topology> (0 Mbps)", "<Unknown Topology> (0 Mbps)"});

  for (const TCase& c : cases) {
    EXPECT_EQ(DescriptionLine(c.Element, "."), c.WithPoint);
    EXPECT_EQ(DescriptionLine(c.Element, ","), c.WithComma);
  }
}

TEST(LatencyFormatTest, ParseDecimalTakesTheUsersNotationOnly) {
  struct TCase {
    const char* Text;
    const char* Separator;
    std::optional<double> Expected;
  };
  const TCase cases[] = {
      {"1.5", ".", 1.5},      {"1,5", ",", 1.5},      {" 10 ", ".", 10},   {"1.", ".", 1},
      {",25", ",", 0.25},     {"-2e3", ".", -2000},   {"0", ".", 0},       {"1.5", ",", std::nullopt},
      {",", ",", std::nullopt}, {"1..5", ".", std::nullopt}, {"", ".", std::nullopt}, {"1e", ".", std::nullopt},
      {"inf", ".", std::nullopt}, {"1e999", ".", std::nullopt}, {"12a", ".", std::nullopt},
  };
  for (const TCase& c : cases) EXPECT_EQ(ParseDecimal(c.Text, c.Separator), c.Expected) << c.Text << " " << c.Separator;
}

}  // namespace
