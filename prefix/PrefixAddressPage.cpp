// SPDX-License-Identifier: MIT
// The Address page: the address in every notation, what it is, and what it carries.
#include <QVBoxLayout>

#include "prefix/PrefixCalculator.h"
#include "prefix/AddressBlocks.h"

namespace {
const std::string None = "none";

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

std::string EmbeddedText(IpAddress address) {
  if (const std::optional<TeredoInfo> teredo = TeredoOf(address))
    return "Teredo server " + CanonicalText(teredo->Server) + ", client " + CanonicalText(teredo->Client) +
           ", port " + std::to_string(teredo->Port);
  if (const std::optional<IpAddress> v4 = EmbeddedIpv4(address)) return "IPv4 " + CanonicalText(*v4);
  return None;
}
}  // namespace

void TPrefixCalculator::CreateAddressPage() {
  QWidget* page = AddressTabSheet;
  CanonicalTextBox = AddResult(page, "CanonicalTextBox", "Canonical");
  FullTextBox = AddResult(page, "FullTextBox", "Full Form");
  IntegerTextBox = AddResult(page, "IntegerTextBox", "Integer");
  HexTextBox = AddResult(page, "HexTextBox", "Hexadecimal");
  BinaryTextBox = AddResult(page, "BinaryTextBox", "Binary");
  ReverseDnsTextBox = AddResult(page, "ReverseDnsTextBox", "Reverse DNS Name");
  KindTextBox = AddResult(page, "KindTextBox", "Kind");
  ScopeTextBox = AddResult(page, "ScopeTextBox", "Scope");
  EmbeddedTextBox = AddResult(page, "EmbeddedTextBox", "Embedded Address");
  MacTextBox = AddResult(page, "MacTextBox", "MAC Address (EUI-64)");
  VendorTextBox = AddResult(page, "VendorTextBox", "MAC Vendor");
  SolicitedNodeTextBox = AddResult(page, "SolicitedNodeTextBox", "Solicited-Node Address");
  static_cast<QVBoxLayout*>(page->layout())->addStretch(1);
}

void TPrefixCalculator::ShowAddress(const AddressInput& input) {
  const IpAddress address = input.Address;
  ShowResult(CanonicalTextBox, CanonicalText(address) + (input.Zone.empty() ? "" : "%" + input.Zone));
  ShowResult(FullTextBox, FullText(address));
  ShowResult(IntegerTextBox, DecimalText(address.Value));
  ShowResult(HexTextBox, HexText(address));
  ShowResult(BinaryTextBox, BinaryText(address));
  ShowResult(ReverseDnsTextBox, ReverseDnsName(address));
  const RegistryBlock& block = ClassifyAddress(address);
  ShowResult(KindTextBox, std::string(KindName(block.Kind)) + " (" + block.Name + ", " + block.Rfc + ")");
  ShowResult(ScopeTextBox, ScopeText(address, block));
  ShowResult(EmbeddedTextBox, EmbeddedText(address));
  const std::optional<std::uint64_t> mac = MacFromInterfaceId(address);
  ShowResult(MacTextBox, mac ? MacText(*mac) : None);
  ShowResult(VendorTextBox, mac ? VendorOf(*mac).toStdString() : None);
  const std::optional<IpAddress> solicited = SolicitedNodeAddress(address);
  ShowResult(SolicitedNodeTextBox, solicited ? CanonicalText(*solicited) : None);
}
