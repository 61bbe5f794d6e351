// SPDX-License-Identifier: MIT
#include "latency/LatencyModel.h"

#include <cfloat>
#include <stdexcept>

namespace {

// Rounds to a 32-bit float, saturating so that a result never becomes infinite.
float ToSingle(double value) {
  if (value > FLT_MAX) return FLT_MAX;
  if (value < -FLT_MAX) return -FLT_MAX;
  return static_cast<float>(value);
}

float Add(float total, float delay) { return ToSingle(double(total) + double(delay)); }

// A bandwidth of 0 (or anything that is not a positive number) adds no time:
// its division has no result.
double PerBandwidth(double numerator, double bitsPerSecondPerMbps, double bandwidth) {
  return bandwidth > 0 ? numerator / (bandwidth * bitsPerSecondPerMbps) : 0;
}

bool SendsPacketsSeparately(TNetworkButtonKind kind) {
  return kind == nbEthernet || kind == nbSatellite;
}

// The share of `delay` in `total`, or nothing when the division fails.
bool Divide(float delay, float total, float& share) {
  if (total == 0) return false;
  share = ToSingle(double(delay) / double(total));
  return true;
}

}  // namespace

float Delay(const TNetworkElement& element, std::int32_t packetSize) {
  if (IsHostKind(element.NetworkButtonKind)) return ToSingle(element.ProcessTime / 1000.0);
  // 8 bits a byte over megabits: bytes / (Mbps x 125,000).
  float delay = ToSingle(PerBandwidth(packetSize, 125000.0, element.Bandwidth));
  if (element.NetworkButtonKind == nbEthernet)
    delay = ToSingle(delay + PerBandwidth(160.0, 1000000.0, element.Bandwidth));
  return ToSingle(delay + element.PropDelay / 1000.0);
}

TLatencyResults ComputeLatency(std::span<const TNetworkElement* const> chain) {
  const std::int32_t request = chain.front()->PacketSize;
  const std::int32_t reply = chain.back()->PacketSize;
  std::int32_t both;
  if (__builtin_add_overflow(request, reply, &both)) throw std::overflow_error("Integer overflow");

  TLatencyResults out;
  out.Elements.resize(chain.size());
  TLatencyTotals& totals = out.Totals;
  for (std::size_t i = 1; i + 1 < chain.size(); ++i) {
    const TNetworkElement& network = *chain[i];
    TElementResults& r = out.Elements[i];
    r.ClientToServerDelay = Delay(network, request);
    totals.TotalClientToServer = Add(totals.TotalClientToServer, r.ClientToServerDelay);
    // Ethernet and satellite links carry request and reply as two packets,
    // each with its framing and propagation; the others as one transmission.
    r.RoundTripDelay = SendsPacketsSeparately(network.NetworkButtonKind)
                           ? Add(Delay(network, request), Delay(network, reply))
                           : Delay(network, both);
    totals.TotalRoundTrip = Add(totals.TotalRoundTrip, r.RoundTripDelay);
    r.ServerToClientDelay = Delay(network, reply);
    totals.TotalServerToClient = Add(totals.TotalServerToClient, r.ServerToClientDelay);
  }

  TElementResults& client = out.Elements.front();
  client.ClientToServerDelay = client.RoundTripDelay = Delay(*chain.front(), request);
  totals.TotalClientToServer = Add(totals.TotalClientToServer, client.ClientToServerDelay);
  totals.TotalRoundTrip = Add(totals.TotalRoundTrip, client.RoundTripDelay);

  TElementResults& server = out.Elements.back();
  server.RoundTripDelay = server.ServerToClientDelay = Delay(*chain.back(), reply);
  totals.TotalRoundTrip = Add(totals.TotalRoundTrip, server.RoundTripDelay);
  totals.TotalServerToClient = Add(totals.TotalServerToClient, server.ServerToClientDelay);

  for (TElementResults& r : out.Elements) {
    float c2s = 0, rt = 0, s2c = 0;
    const bool divided = Divide(r.ClientToServerDelay, totals.TotalClientToServer, c2s) &&
                         Divide(r.RoundTripDelay, totals.TotalRoundTrip, rt) &&
                         Divide(r.ServerToClientDelay, totals.TotalServerToClient, s2c);
    r.ClientToServerShare = divided ? c2s : 0;
    r.RoundTripShare = divided ? rt : 0;
    r.ServerToClientShare = divided ? s2c : 0;
  }
  return out;
}
