// SPDX-License-Identifier: MIT
#include "prefix/PrefixReport.h"

#include "prefix/AddressBlocks.h"
#include "prefix/PrefixFacts.h"
#include "radix/MacAddress.h"
#include "radix/VendorRegistry.h"

const std::array<ReportField, AddressFieldCount> AddressFields = {{
    {"canonical", "Canonical"},
    {"full", "Full Form"},
    {"integer", "Integer"},
    {"hex", "Hexadecimal"},
    {"binary", "Binary"},
    {"reverse_dns", "Reverse DNS Name"},
    {"kind", "Kind"},
    {"scope", "Scope"},
    {"embedded", "Embedded Address"},
    {"mac", "MAC Address (EUI-64)"},
    {"vendor", "MAC Vendor"},
    {"solicited_node", "Solicited-Node Address"},
}};

const std::array<ReportField, PrefixFieldCount> PrefixFields = {{
    {"network", "Network"},
    {"first", "First Address"},
    {"last", "Last Address"},
    {"mask", "Mask"},
    {"wildcard", "Wildcard Mask"},
    {"broadcast", "Broadcast"},
    {"usable_hosts", "Usable Hosts"},
    {"address_count", "Number of Addresses"},
    {"power_of_two", "Number of Addresses as a Power of Two"},
}};

namespace {
std::string ScopeText(IpAddress address, const RegistryBlock& block) {
  const std::optional<MulticastInfo> multicast = MulticastOf(address);
  if (!multicast) return block.GloballyReachable ? "globally reachable" : "not globally reachable";
  std::string text = std::string("multicast, ") + multicast->Scope + " scope";
  std::string flags;
  if (multicast->Transient) flags += " transient (T)";
  if (multicast->PrefixBased) flags += " prefix-based (P)";
  if (multicast->RendezvousPoint) flags += " rendezvous point (R)";
  return flags.empty() ? text : text + ", flags" + flags;
}

ReportText EmbeddedText(IpAddress address) {
  if (const std::optional<TeredoInfo> teredo = TeredoOf(address))
    return "Teredo server " + CanonicalText(teredo->Server) + ", client " + CanonicalText(teredo->Client) +
           ", port " + std::to_string(teredo->Port);
  if (const std::optional<IpAddress> v4 = EmbeddedIpv4(address)) return "IPv4 " + CanonicalText(*v4);
  return std::nullopt;
}

ReportText AddressText(std::optional<IpAddress> address) {
  return address ? ReportText(CanonicalText(*address)) : std::nullopt;
}
}  // namespace

std::array<ReportText, AddressFieldCount> AddressTexts(const AddressInput& input, const VendorLookup& vendorOf) {
  const IpAddress address = input.Address;
  const RegistryBlock& block = ClassifyAddress(address);
  const std::optional<std::uint64_t> mac = MacFromInterfaceId(address);
  return {
      CanonicalText(address) + (input.Zone.empty() ? "" : "%" + input.Zone),
      FullText(address),
      DecimalText(address.Value),
      HexText(address),
      BinaryText(address),
      ReverseDnsName(address),
      std::string(KindName(block.Kind)) + " (" + block.Name + ", " + block.Rfc + ")",
      ScopeText(address, block),
      EmbeddedText(address),
      mac ? ReportText(MacText(*mac)) : std::nullopt,
      mac ? ReportText(vendorOf(*mac)) : std::nullopt,
      AddressText(SolicitedNodeAddress(address)),
  };
}

std::array<ReportText, PrefixFieldCount> PrefixTexts(const IpPrefix& prefix) {
  const AddressFamily family = prefix.Network.Family;
  const std::optional<HostRange> hosts = UsableHosts(prefix);
  const std::optional<IpAddress> broadcast = BroadcastAddress(prefix);
  const PowerOfTwo count = AddressCount(prefix);
  return {
      PrefixText(prefix),
      CanonicalText(prefix.Network),
      CanonicalText(LastAddress(prefix)),
      CanonicalText({family, NetworkMask(family, prefix.Length)}),
      CanonicalText({family, HostMask(family, prefix.Length)}),
      broadcast ? ReportText(CanonicalText(*broadcast)) : std::nullopt,
      hosts ? ReportText(CanonicalText(hosts->First) + " - " + CanonicalText(hosts->Last) + " (" +
                         std::to_string(hosts->Count) + ")")
            : std::nullopt,
      count.DecimalText(),
      count.PowerText(),
  };
}

std::string RegistryVendor(const TVendorRegistry* registry, std::uint64_t mac) {
  if (!registry) return "the vendor list is not installed";
  const std::optional<TVendorBlock> block = MacVendor(*registry, {TMacForm::EUI48, mac});
  if (!block) return "not in the vendor list";
  return std::string(block->Organization);
}
