// SPDX-License-Identifier: MIT
// The Prefix page: the network the input's length gives, its ends and size,
// its bit map, and the prefixes that enclose it.
#include <QVBoxLayout>

#include "prefix/PrefixCalculator.h"
#include "prefix/PrefixFacts.h"
#include "prefix/ResultLines.h"
#include "subnet/BitMapDisplay.h"

namespace {
const std::string None = "none";
// Bits per bit-map box: an IPv6 map takes four.
constexpr int BitsPerBox = 32;
}  // namespace

void TPrefixCalculator::CreatePrefixPage() {
  QWidget* page = PrefixTabSheet;
  auto* layout = static_cast<QVBoxLayout*>(page->layout());
  NetworkTextBox = AddResult(page, "NetworkTextBox", "Network");
  FirstTextBox = AddResult(page, "FirstTextBox", "First Address");
  LastTextBox = AddResult(page, "LastTextBox", "Last Address");
  MaskTextBox = AddResult(page, "MaskTextBox", "Mask");
  WildcardTextBox = AddResult(page, "WildcardTextBox", "Wildcard Mask");
  BroadcastTextBox = AddResult(page, "BroadcastTextBox", "Broadcast");
  UsableHostsTextBox = AddResult(page, "UsableHostsTextBox", "Usable Hosts");
  AddressCountTextBox = AddResult(page, "AddressCountTextBox", "Number of Addresses");
  PowerOfTwoTextBox = AddResult(page, "PowerOfTwoTextBox", "Number of Addresses as a Power of Two");

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
  const AddressFamily family = prefix.Network.Family;
  const bool v4 = family == AddressFamily::V4;
  ShowResult(NetworkTextBox, PrefixText(prefix));
  ShowResult(FirstTextBox, CanonicalText(prefix.Network));
  ShowResult(LastTextBox, CanonicalText(LastAddress(prefix)));
  ShowResult(MaskTextBox, v4 ? CanonicalText({family, NetworkMask(family, prefix.Length)}) : None);
  ShowResult(WildcardTextBox, v4 ? CanonicalText({family, HostMask(family, prefix.Length)}) : None);
  ShowResult(BroadcastTextBox, v4 && prefix.Length < 31 ? CanonicalText(LastAddress(prefix)) : None);
  const std::optional<HostRange> hosts = UsableHosts(prefix);
  ShowResult(UsableHostsTextBox, hosts ? CanonicalText(hosts->First) + " - " + CanonicalText(hosts->Last) + " (" +
                                             std::to_string(hosts->Count) + ")"
                                       : None);
  const PowerOfTwo count = AddressCount(prefix);
  ShowResult(AddressCountTextBox, count.DecimalText());
  ShowResult(PowerOfTwoTextBox, count.PowerText());

  bitMapNetworkBits_ = static_cast<int>(prefix.Length);
  const int width = static_cast<int>(FamilyWidth(family));
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
