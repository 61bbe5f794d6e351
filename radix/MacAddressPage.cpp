// SPDX-License-Identifier: MIT
#include "radix/MacAddressPage.h"

#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/Application.h"
#include "platform/Hint.h"
#include "prefix/ResultLines.h"
#include "radix/MacReport.h"
#include "radix/RadixerPageParts.h"
#include "radix/VendorRegistrySource.h"
#include "radix/VendorSearchPanel.h"

namespace {
// Characters of a result line in the narrowest window.
constexpr std::size_t LineWidth = 35;
const QString NotAnAddress = QStringLiteral("Not a MAC address, OUI, EUI-64 or IPv6 address.");

void Show(TOutputBox* box, const std::string& text) {
  std::string lines;
  std::size_t start = 0;
  // Each line of `text` broken on its own where it is too long for the box.
  for (std::size_t end = text.find('\n'); start <= text.size(); end = text.find('\n', start)) {
    if (!lines.empty()) lines += '\n';
    lines += BreakLines(std::string_view(text).substr(start, end == std::string::npos ? end : end - start), LineWidth,
                        " ,.-:");
    if (end == std::string::npos) break;
    start = end + 1;
  }
  const QString caption = QString::fromStdString(lines);
  box->SetCaption(caption);
  box->setFixedHeight(QFontMetrics(box->font()).height() * static_cast<int>(caption.count('\n') + 1) + 6);
}

}  // namespace

TMacAddressPage::TMacAddressPage(QWidget* parent) : QScrollArea(parent) {
  QVBoxLayout* layout = NewScrollingPageColumn(this, "MacAddressTabSheet");
  QWidget* page = layout->parentWidget();

  MacEdit = new QLineEdit("3c:22:fb:12:34:56", page);
  MacEdit->setObjectName("MacEdit");
  SetHint(MacEdit, "Type or paste a MAC address, an OUI, an EUI-64 or an IPv6 address");
  layout->addWidget(NewCaption(page, "&MAC Address", MacEdit));
  layout->addWidget(MacEdit);
  MacErrorLabel = new QLabel(page);
  MacErrorLabel->setObjectName("MacErrorLabel");
  MacErrorLabel->setWordWrap(true);
  MacErrorLabel->setMinimumHeight(QFontMetrics(MacErrorLabel->font()).height());
  layout->addWidget(MacErrorLabel);

  auto addResult = [&](const char* name, const QString& caption) {
    QLabel* label = NewCaption(page, caption);
    TOutputBox* box = NewOutputBox(page, name, label);
    layout->addWidget(label);
    layout->addWidget(box);
    layout->addSpacing(2);
    return box;
  };
  NotationsTextBox = addResult("NotationsTextBox", MacFields[0].Caption);
  VendorTextBox = addResult("MacVendorTextBox", MacFields[1].Caption);
  SwappedTextBox = addResult("SwappedTextBox", MacFields[2].Caption);
  SwappedVendorTextBox = addResult("SwappedVendorTextBox", MacFields[3].Caption);
  GroupTextBox = addResult("GroupTextBox", MacFields[4].Caption);
  LocalTextBox = addResult("LocalTextBox", MacFields[5].Caption);
  Eui64TextBox = addResult("Eui64TextBox", MacFields[6].Caption);
  LinkLocalTextBox = addResult("LinkLocalTextBox", MacFields[7].Caption);
  layout->addSpacing(6);
  VendorSearch = new TVendorSearchPanel(page);
  layout->addWidget(VendorSearch, 1);
  setWidget(page);

  connect(MacEdit, &QLineEdit::textChanged, this, Guarded([this] { MacEditChange(); }));
}

void TMacAddressPage::MacEditChange() {
  const std::optional<TMacAddress> mac = ParseMacAddress(MacEdit->text().toStdString());
  const QString error = mac || MacEdit->text().trimmed().isEmpty() ? QString() : NotAnAddress;
  MacErrorLabel->setText(error);
  MacEdit->setAccessibleDescription(error);
  // In the order of the results.
  TOutputBox* const boxes[] = {NotationsTextBox, VendorTextBox, SwappedTextBox, SwappedVendorTextBox,
                               GroupTextBox,     LocalTextBox,  Eui64TextBox,   LinkLocalTextBox};
  static_assert(std::size(boxes) == MacFieldCount);
  for (TOutputBox* box : boxes) box->setEnabled(mac.has_value());
  if (!mac) return;
  const auto texts = MacTexts(*mac, CurrentVendorRegistry());
  for (std::size_t i = 0; i < MacFieldCount; ++i) Show(boxes[i], texts[i]);
}

void TMacAddressPage::showEvent(QShowEvent* event) {
  QScrollArea::showEvent(event);
  if (Shown) return;
  Shown = true;
  VendorSearch->ShowVendorList();
  MacEditChange();
}
