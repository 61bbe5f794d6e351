// SPDX-License-Identifier: MIT
// The Prefix page: the network the input's length gives, its ends and size,
// its bit map, and the prefixes that enclose it.
#include <QVBoxLayout>
#include <array>
#include <utility>

#include "prefix/PrefixCalculator.h"
#include "prefix/PrefixFacts.h"
#include "prefix/PrefixReport.h"
#include "prefix/ResultLines.h"
#include "subnet/BitMapDisplay.h"

namespace {
using C = TPrefixCalculator;
// The box of each result, in the order of the results, and its object name.
constexpr std::array<std::pair<TOutputBox* C::*, const char*>, PrefixFieldCount> PrefixBoxes = {{
    {&C::NetworkTextBox, "NetworkTextBox"},
    {&C::FirstTextBox, "FirstTextBox"},
    {&C::LastTextBox, "LastTextBox"},
    {&C::MaskTextBox, "MaskTextBox"},
    {&C::WildcardTextBox, "WildcardTextBox"},
    {&C::BroadcastTextBox, "BroadcastTextBox"},
    {&C::UsableHostsTextBox, "UsableHostsTextBox"},
    {&C::AddressCountTextBox, "AddressCountTextBox"},
    {&C::PowerOfTwoTextBox, "PowerOfTwoTextBox"},
}};
// Bits per bit-map box: an IPv6 map takes four.
constexpr int BitsPerBox = 32;
}  // namespace

void TPrefixCalculator::CreatePrefixPage() {
  QWidget* page = PrefixTabSheet;
  auto* layout = static_cast<QVBoxLayout*>(page->layout());
  for (std::size_t i = 0; i < PrefixFieldCount; ++i)
    this->*PrefixBoxes[i].first = AddResult(page, PrefixBoxes[i].second, PrefixFields[i].Caption);

  PrefixBitMapLabel = new TKestLabel(page);
  PrefixBitMapLabel->setObjectName("PrefixBitMapLabel");
  PrefixBitMapLabel->SetCaption(QString::fromStdString(BitMapLegendText(PrefixBitMapTitle, false)));
  PrefixBitMapLabel->OnCustomDraw = [](QObject* sender, const QRect& rect, bool& defaultDraw) {
    defaultDraw = false;
    DrawBitMapLegend(*static_cast<TKestCustomLabel*>(sender), rect, BitMapLegendPieces(PrefixBitMapTitle, false));
  };
  layout->addWidget(PrefixBitMapLabel);
  for (int i = 0; i < 128 / BitsPerBox; ++i) {
    TOutputBox* box = NewOutputBox(page, qPrintable(QString("PrefixBitMapTextBox%1").arg(i + 1)), PrefixBitMapLabel);
    const int firstBit = i * BitsPerBox;
    // The first box is named by the legend; the others say which bits they hold.
    if (i > 0) box->setAccessibleName(QString("Prefix Bit Map bits %1 to %2").arg(firstBit + 1).arg(firstBit + BitsPerBox));
    box->OnCustomDraw = [this, firstBit](QObject* sender, const QRect& rect, bool& defaultDraw) {
      defaultDraw = false;
      auto* drawn = static_cast<TKestCustomTextBox*>(sender);
      DrawBitMapBox(*drawn, rect, PrefixBitMapRuns(drawn->Caption().toStdString(), firstBit, bitMapNetworkBits_));
    };
    box->OnCharacterRects = [this, firstBit](const TKestCustomLabel& sender, const QRect& rect) {
      const auto& drawn = static_cast<const TKestCustomTextBox&>(sender);
      return BitMapBoxCharacterRects(drawn, rect,
                                     PrefixBitMapRuns(drawn.Caption().toStdString(), firstBit, bitMapNetworkBits_));
    };
    layout->addWidget(box);
    PrefixBitMapTextBoxes.push_back(box);
  }
  PrefixBitMapLabel->SetFocusControl(PrefixBitMapTextBoxes.front());
  layout->addSpacing(2);

  EnclosingTextBox = AddResult(page, "EnclosingTextBox", "Enclosing Prefixes");
  layout->addStretch(1);
}

void TPrefixCalculator::ShowPrefix(const IpPrefix& prefix) {
  const auto texts = PrefixTexts(prefix);
  for (std::size_t i = 0; i < PrefixFieldCount; ++i) ShowResult(this->*PrefixBoxes[i].first, texts[i].value_or("none"));

  bitMapNetworkBits_ = static_cast<int>(prefix.Length);
  const int width = static_cast<int>(FamilyWidth(prefix.Network.Family));
  const QStringList lines =
      QString::fromStdString(BreakLines(PrefixBitMapText(width, bitMapNetworkBits_), ResultLineWidth, ":"))
          .split('\n');
  for (std::size_t i = 0; i < PrefixBitMapTextBoxes.size(); ++i) {
    const auto line = static_cast<qsizetype>(i);
    PrefixBitMapTextBoxes[i]->SetCaption(line < lines.size() ? lines[line] : QString());
    PrefixBitMapTextBoxes[i]->setVisible(line < lines.size());
  }

  std::string chain;
  for (const IpPrefix& enclosing : EnclosingPrefixes(prefix))
    chain += (chain.empty() ? "" : "\n") + BreakLines(PrefixText(enclosing), ResultLineWidth, ".:");
  ShowLines(EnclosingTextBox, chain);
}
