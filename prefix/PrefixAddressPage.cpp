// SPDX-License-Identifier: MIT
// The Address page: the address in every notation, what it is, and what it carries.
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "prefix/PrefixCalculator.h"
#include "prefix/PrefixReport.h"
#include "radix/VendorRegistrySource.h"

namespace {
using C = TPrefixCalculator;
// The box of each result, in the order of the results, and its object name.
constexpr std::array<std::pair<TOutputBox* C::*, const char*>, AddressFieldCount> AddressBoxes = {{
    {&C::CanonicalTextBox, "CanonicalTextBox"},
    {&C::FullTextBox, "FullTextBox"},
    {&C::IntegerTextBox, "IntegerTextBox"},
    {&C::HexTextBox, "HexTextBox"},
    {&C::BinaryTextBox, "BinaryTextBox"},
    {&C::ReverseDnsTextBox, "ReverseDnsTextBox"},
    {&C::KindTextBox, "KindTextBox"},
    {&C::ScopeTextBox, "ScopeTextBox"},
    {&C::EmbeddedTextBox, "EmbeddedTextBox"},
    {&C::MacTextBox, "MacTextBox"},
    {&C::VendorTextBox, "VendorTextBox"},
    {&C::SolicitedNodeTextBox, "SolicitedNodeTextBox"},
}};
}  // namespace

void TPrefixCalculator::CreateAddressPage() {
  QWidget* page = AddressTabSheet;
  for (std::size_t i = 0; i < AddressFieldCount; ++i)
    this->*AddressBoxes[i].first = AddResult(page, AddressBoxes[i].second, AddressFields[i].Caption);
  static_cast<QVBoxLayout*>(page->layout())->addStretch(1);
}

void TPrefixCalculator::ShowAddress(const AddressInput& input) {
  const auto texts = AddressTexts(input, [](std::uint64_t mac) { return RegistryVendor(CurrentVendorRegistry(), mac); });
  for (std::size_t i = 0; i < AddressFieldCount; ++i) ShowResult(this->*AddressBoxes[i].first, texts[i].value_or("none"));
}
