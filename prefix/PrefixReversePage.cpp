// SPDX-License-Identifier: MIT
// The Reverse page: the reverse DNS zones to delegate for the input's prefix,
// and the CNAME records a classless delegation needs in its parent zone.
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

#include "prefix/PrefixCalculator.h"
#include "prefix/ReverseZones.h"

void TPrefixCalculator::CreateReversePage() {
  ReverseTabSheet = NewPage("Reverse", "ReverseTabSheet");
  ReverseZonesTextBox = AddListResult(ReverseTabSheet, "ReverseZonesTextBox", "Zones to Delegate", 4);
  ReverseCnamesTextBox = AddListResult(ReverseTabSheet, "ReverseCnamesTextBox", "CNAME Records in the Parent Zone", 12);
  // Zone names and records have no spaces to break at: wrapped anywhere, one
  // IPv6 zone read as two names. Each stays on its line, as in a zone file,
  // the box as many lines high as before above its horizontal scroll bar.
  for (QPlainTextEdit* box : {ReverseZonesTextBox, ReverseCnamesTextBox}) {
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setFixedHeight(box->height() + box->horizontalScrollBar()->sizeHint().height());
  }
  static_cast<QVBoxLayout*>(ReverseTabSheet->layout())->addStretch(1);
}

void TPrefixCalculator::ShowReverseZones(const IpPrefix& prefix) {
  const ReverseZones zones = ReverseZonesOf(prefix);
  QStringList names;
  for (const std::string& zone : zones.Zones) names << QString::fromStdString(zone);
  ReverseZonesTextBox->setPlainText(names.join('\n'));
  if (zones.Cnames.empty()) {
    ReverseCnamesTextBox->setPlainText("none");
    return;
  }
  QStringList records{QString::fromStdString("$ORIGIN " + zones.CnameZone + ".")};
  for (const ReverseCname& cname : zones.Cnames) records << QString::fromStdString(CnameText(cname));
  ReverseCnamesTextBox->setPlainText(records.join('\n'));
}
