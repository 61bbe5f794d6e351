// SPDX-License-Identifier: MIT
#include "radix/MacAddressPage.h"

#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/Application.h"
#include "platform/Hint.h"
#include "prefix/ResultLines.h"
#include "radix/MacAddress.h"
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

std::string VendorText(const TMacAddress& mac) {
  const TVendorRegistry* registry = CurrentVendorRegistry();
  if (!registry) return "the vendor list is not installed";
  if (const std::optional<TVendorBlock> block = MacVendor(*registry, mac))
    return std::string(block->Organization) + "\n" + VendorBlockDescription(*block);
  return IsLocalAddress(mac) ? "none: locally administered" : "not in the vendor list";
}

std::string Eui64Text(std::uint64_t eui64) { return MacNotations({TMacForm::EUI64, eui64}).front(); }
}  // namespace

TMacAddressPage::TMacAddressPage(QWidget* parent) : QScrollArea(parent) {
  setObjectName("MacAddressTabSheet");
  setWidgetResizable(true);
  setFrameShape(QFrame::NoFrame);
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(2);

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
  NotationsTextBox = addResult("NotationsTextBox", "Notations");
  VendorTextBox = addResult("MacVendorTextBox", "Vendor");
  SwappedTextBox = addResult("SwappedTextBox", "Bit-Swapped (Token Ring/FDDI)");
  SwappedVendorTextBox = addResult("SwappedVendorTextBox", "Bit-Swapped Vendor");
  GroupTextBox = addResult("GroupTextBox", "Individual/Group Bit");
  LocalTextBox = addResult("LocalTextBox", "Universal/Local Bit");
  Eui64TextBox = addResult("Eui64TextBox", "EUI-64");
  LinkLocalTextBox = addResult("LinkLocalTextBox", "IPv6 Link-Local Address");
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
  for (TOutputBox* box : {NotationsTextBox, VendorTextBox, SwappedTextBox, SwappedVendorTextBox, GroupTextBox,
                          LocalTextBox, Eui64TextBox, LinkLocalTextBox})
    box->setEnabled(mac.has_value());
  if (!mac) return;

  std::string notations;
  for (const std::string& notation : MacNotations(*mac)) notations += (notations.empty() ? "" : "\n") + notation;
  Show(NotationsTextBox, notations);
  Show(VendorTextBox, VendorText(*mac));
  const TMacAddress swapped = BitSwapped(*mac);
  Show(SwappedTextBox, MacNotations(swapped).front());
  Show(SwappedVendorTextBox, VendorText(swapped));
  Show(GroupTextBox, IsGroupAddress(*mac) ? "1: group (multicast)" : "0: individual (unicast)");
  Show(LocalTextBox, IsLocalAddress(*mac) ? "1: locally administered: likely a randomised private address"
                                          : "0: universally administered (assigned by IEEE)");
  const std::optional<std::uint64_t> eui64 = Eui64Of(*mac);
  Show(Eui64TextBox, eui64 ? Eui64Text(*eui64) : "none: an OUI alone");
  const std::optional<std::string> linkLocal = LinkLocalAddressOf(*mac);
  Show(LinkLocalTextBox, linkLocal ? *linkLocal : "none: an OUI alone");
}

void TMacAddressPage::showEvent(QShowEvent* event) {
  QScrollArea::showEvent(event);
  if (Shown) return;
  Shown = true;
  VendorSearch->ShowVendorList();
  MacEditChange();
}
