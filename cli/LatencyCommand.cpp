// SPDX-License-Identifier: MIT
// latency: a chain's delays in each direction, as the statistics page shows them.
#include <algorithm>
#include <cctype>
#include <fstream>
#include <memory>
#include <stdexcept>

#include "cli/Command.h"
#include "latency/Bottleneck.h"
#include "latency/LatencyFormat.h"
#include "latency/LatencyModel.h"
#include "latency/SampleChain.h"

namespace {
constexpr std::string_view Point = ".";

bool SameText(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return std::tolower(static_cast<unsigned char>(x)) ==
                                                              std::tolower(static_cast<unsigned char>(y)); });
}

std::vector<std::string> Parts(std::string_view text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t colon; (colon = text.find(':', start)) != std::string_view::npos; start = colon + 1)
    parts.emplace_back(text.substr(start, colon - start));
  parts.emplace_back(text.substr(start));
  return parts;
}

std::int32_t Whole(const std::string& where, const std::string& text) {
  return static_cast<std::int32_t>(ParseCount(where, text, 2147483647));
}

// "client:PKT[:PROC]", "server:PKT[:PROC]", or "TOPOLOGY[:MBPS[:PROP]]" with
// TOPOLOGY one of the properties dialog's entries ("Ethernet", "T1", ...).
TNetworkElement ParseElement(const std::string& where, const std::string& text) {
  const std::vector<std::string> parts = Parts(text);
  TNetworkElement element;
  if (SameText(parts[0], "client") || SameText(parts[0], "server")) {
    if (parts.size() < 2 || parts.size() > 3) throw InputError(where, "'" + text + "' is not HOST:PKT[:PROC]");
    const bool client = SameText(parts[0], "client");
    element.NetworkButtonKind = client ? nbDesktopCPU : nbTowerCPU;
    element.NetworkName = client ? "Client" : "Server";
    element.PacketSize = Whole(where, parts[1]);
    element.ProcessTime = parts.size() > 2 ? Whole(where, parts[2]) : 0;
    return element;
  }
  if (parts.size() > 3) throw InputError(where, "'" + text + "' is not TOPOLOGY[:MBPS[:PROP]]");
  const auto entries = TopologyEntries();
  const auto entry = std::ranges::find_if(entries, [&](const TTopologyEntry& e) { return SameText(e.Text, parts[0]); });
  if (entry == entries.end()) {
    std::string known;
    for (const TTopologyEntry& e : entries) known += (known.empty() ? "" : ", ") + std::string(e.Text);
    throw InputError(where, "'" + parts[0] + "' is no network (" + known + ", client, server)");
  }
  element.NetworkButtonKind = entry->Kind;
  element.NetworkName = std::string(entry->Text);
  element.TopologyIndex = static_cast<std::int16_t>(entry - entries.begin());
  element.Bandwidth = entry->DefaultBandwidth;
  if (parts.size() > 1) {
    const std::optional<double> bandwidth = ParseDecimal(parts[1], Point);
    if (!bandwidth || *bandwidth < 0) throw InputError(where, "'" + parts[1] + "' is no bandwidth in Mbps");
    element.Bandwidth = *bandwidth;
  }
  const TNetworkKindInfo& kind = KindInfo(entry->Kind);
  element.PropDelay = kind.PropDelaySetup == TPropDelaySetup::EditableSet ? kind.DefaultPropDelay : 0;
  if (parts.size() > 2) {
    if (kind.PropDelaySetup == TPropDelaySetup::Disabled)
      throw InputError(where, std::string(entry->Text) + " has no propagation delay to set");
    element.PropDelay = Whole(where, parts[2]);
  }
  return element;
}

std::vector<TNetworkElement> SampleElements() {
  std::vector<TNetworkElement> chain(1);
  chain[0] = ParseElement("", "client:" + std::to_string(SampleRequestSize));
  for (const TSampleNetwork& network : SampleNetworks()) {
    TNetworkElement element;
    element.NetworkButtonKind = network.Kind;
    element.NetworkName = std::string(network.Name);
    element.Bandwidth = network.Bandwidth;
    element.PropDelay = network.PropDelay;
    element.TopologyIndex = network.TopologyIndex;
    chain.push_back(element);
  }
  chain.push_back(ParseElement("", "server:" + std::to_string(SampleReplySize) + ":" +
                                       std::to_string(SampleServerProcessTime)));
  return chain;
}

std::vector<TNetworkElement> ChainOf(const Arguments& arguments) {
  std::vector<std::pair<std::string, std::string>> texts;  // where, text
  if (const std::string* path = arguments.Value("--file")) {
    std::ifstream file(*path);
    if (!file) throw InputError("--file", "cannot read '" + *path + "'");
    std::string line;
    for (int number = 1; std::getline(file, line); ++number) {
      line.erase(std::find(line.begin(), line.end(), '#'), line.end());
      line.erase(0, line.find_first_not_of(" \t\r"));
      line.erase(line.find_last_not_of(" \t\r") + 1);
      if (!line.empty()) texts.emplace_back(*path + " line " + std::to_string(number), line);
    }
  }
  for (std::size_t i = 0; i < arguments.Positional.size(); ++i)
    texts.emplace_back("ELEMENT " + std::to_string(i + 1), arguments.Positional[i]);
  if (texts.empty()) return SampleElements();
  std::vector<TNetworkElement> chain;
  for (const auto& [where, text] : texts) chain.push_back(ParseElement(where, text));
  if (chain.size() < 2 || chain.front().NetworkName != "Client" || chain.back().NetworkName != "Server")
    throw InputError(texts.front().first, "a chain runs from client:PKT through its networks to server:PKT");
  for (std::size_t i = 1; i + 1 < chain.size(); ++i)
    if (IsHostKind(chain[i].NetworkButtonKind)) throw InputError(texts[i].first, "a host stands only at an end");
  return chain;
}

Report Latency(const Arguments& arguments) {
  auto chain = std::make_shared<std::vector<TNetworkElement>>(ChainOf(arguments));
  std::vector<const TNetworkElement*> links;
  for (const TNetworkElement& element : *chain) links.push_back(&element);
  TLatencyResults results;
  try {
    results = ComputeLatency(links);
  } catch (const std::overflow_error&) {
    throw InputError("PKT", "the client's and the server's packets together exceed 2147483647 bytes");
  }
  for (std::size_t i = 0; i < chain->size(); ++i) (*chain)[i].Results = results.Elements[i];
  const TLatencyTotals totals = results.Totals;
  const std::optional<TBottleneck> bottleneck = FindBottleneck(links, totals.TotalRoundTrip);

  Report report;
  report.Fields = {
      {"client_to_server", "Client to Server (sec)", FormatDelay(totals.TotalClientToServer, Point), true},
      {"round_trip", "Round Trip (sec)", FormatDelay(totals.TotalRoundTrip, Point), true},
      {"server_to_client", "Server to Client (sec)", FormatDelay(totals.TotalServerToClient, Point), true},
      {"bottleneck", "Bottleneck",
       bottleneck ? std::optional(DescriptionLine((*chain)[bottleneck->Index], Point)) : std::nullopt},
      {"window_bytes", "Bandwidth-Delay Product (bytes)",
       bottleneck ? std::optional(FormatGeneral(bottleneck->WindowBytes, 15, Point)) : std::nullopt, true},
  };
  std::size_t nameWidth = 7;
  for (const TNetworkElement& element : *chain) nameWidth = std::max(nameWidth, DescriptionLine(element, Point).size());
  report.Rows = Table{"elements",
                      {{"element", "Network Element", nameWidth},
                       {"client_to_server", "Client to Server", 9, ColumnKind::Number},
                       {"client_to_server_percent", "%", 6, ColumnKind::Plain},
                       {"round_trip", "Round Trip", 9, ColumnKind::Number},
                       {"round_trip_percent", "%", 6, ColumnKind::Plain},
                       {"server_to_client", "Server to Client", 9, ColumnKind::Number},
                       {"server_to_client_percent", "%", 6, ColumnKind::Plain}},
                      [chain, totals, next = std::size_t{0}](RowCells& cells) mutable {
                        if (next > chain->size()) return false;
                        if (next == chain->size()) {
                          // The rounded shares need not add up to it.
                          cells.Add("Totals:");
                          for (const float total :
                               {totals.TotalClientToServer, totals.TotalRoundTrip, totals.TotalServerToClient}) {
                            cells.Add(FormatDelay(total, Point));
                            cells.Add("100.0%");
                          }
                        } else {
                          const TNetworkElement& element = (*chain)[next];
                          const TElementResults& r = element.Results;
                          cells.Add(DescriptionLine(element, Point));
                          cells.Add(FormatDelay(r.ClientToServerDelay, Point));
                          cells.Add(FormatPercent(r.ClientToServerShare, Point));
                          cells.Add(FormatDelay(r.RoundTripDelay, Point));
                          cells.Add(FormatPercent(r.RoundTripShare, Point));
                          cells.Add(FormatDelay(r.ServerToClientDelay, Point));
                          cells.Add(FormatPercent(r.ServerToClientShare, Point));
                        }
                        ++next;
                        return true;
                      }};
  return report;
}

const Command Commands[] = {
    {"latency", "[ELEMENT...] [--file FILE]",
     "The delays of a chain from client to server in each direction; without elements, the sample chain. "
     "An element is client:PKT[:PROC], server:PKT[:PROC] (bytes, ms) or TOPOLOGY[:MBPS[:PROP]] (ms).",
     "orvane latency client:64 Ethernet:10 'Frame Relay:1.544:20' server:1024:1",
     {{"--file", "FILE", "read the elements from FILE, one a line ('#' starts a comment)"}}, 0, 1000, true,
     Latency},
};
}  // namespace

std::span<const Command> LatencyCommands() { return Commands; }
