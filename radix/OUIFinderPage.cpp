// SPDX-License-Identifier: MIT
// The OUI Finder page: the vendor of an OUI, and of its bit-swapped form, from
// the list in OUI.txt, or from the vendor registry when there is none.
#include <QBoxLayout>
#include <QPushButton>
#include <QToolButton>

#include "controls/KestGlobal.h"
#include "controls/KestLabel.h"
#include "controls/KestNumberEdit.h"
#include "platform/Application.h"
#include "platform/Collation.h"
#include "platform/DefaultButton.h"
#include "platform/Hint.h"
#include "radix/BitSwap.h"
#include "radix/IeeeOuiList.h"
#include "radix/KestBinDecHex.h"
#include "radix/RadixerCalculator.h"
#include "radix/RadixerPageParts.h"
#include "radix/VendorRegistrySource.h"

namespace {
const QString NoMatch = QStringLiteral("No matching OUI found.");

// Far more than a box shows, yet drawn at once: every paint of a line of
// megabytes would take seconds.
constexpr std::size_t ShownLength = 1024;

// Text of the list is single-byte, shown as it is, never interpreted.
QString FromFile(std::string_view text) {
  text = text.substr(0, ShownLength);
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

void TRadixerCalculator::CreateOUIFinderPage() {
  QWidget* page = OUIFinderTabSheet;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(2);

  const TNumberFieldRow oui = AddNumberFieldRow(layout, page, "Label28", "&OUI", "OUINumberEdit",
                                                "OUIClipboardButton", "Copy OUI to clipboard");
  Label28 = oui.Label;
  OUINumberEdit = oui.Edit;
  OUIClipboardButton = oui.ClipboardButton;
  connect(OUIClipboardButton, &QToolButton::clicked, this,
          Guarded([this] { NumClipboardButtonClick(OUIClipboardButton); }));
  SetHint(OUINumberEdit, "Enter an OUI (in hexadecimal) to search for");
  OUINumberEdit->SetNumberStyle(nsHexadecimal);
  OUINumberEdit->SetDigits(6);
  OUINumberEdit->SetMaxLength(6);
  OUINumberEdit->SetValueInteger(0x55);
  OUINumberEdit->OnKeyDown = [this](QObject* sender, int& key, Qt::KeyboardModifiers shift) {
    OUINumberEditKeyDown(sender, key, shift);
  };

  OUISearchButton = new QPushButton("&Search", page);
  OUISearchButton->setObjectName("OUISearchButton");
  SetHint(OUISearchButton, "Press to start search");
  // Enter in the OUI field searches through OUINumberEditKeyDown, elsewhere in the calculator through this.
  SetDefaultButton(OUISearchButton, this);
  connect(OUISearchButton, &QPushButton::clicked, this, Guarded([this] { OUISearchButtonClick(OUISearchButton); }));
  oui.Row->addSpacing(4);
  oui.Row->addWidget(OUISearchButton);
  layout->addSpacing(4);

  auto addTextBox = [&](TKestLabel*& label, const char* labelName, const QString& caption, TTextBox*& box,
                        const char* boxName, const QString& text) {
    label = new TKestLabel(page);
    label->setObjectName(labelName);
    label->SetCaption(caption);
    label->SetTransparent(true);
    box = new TTextBox(page);
    box->setObjectName(boxName);
    box->setAccessibleName(caption);
    box->SetCaption(text);
    box->setMinimumHeight(box->height());
    label->SetFocusControl(box);
    layout->addWidget(label);
    layout->addWidget(box);
    layout->addSpacing(4);
  };
  addTextBox(Label15, "Label15", "Abreviation", AbrevTextBox, "AbrevTextBox", "Cmmssr");
  addTextBox(Label17, "Label17", "Organization", OrganizationTextBox, "OrganizationTextBox",
             "COMMISSARIAT A L`ENERGIE ATOM");
  addTextBox(Label23, "Label23", "Bit-swapped OUI (Ethernet <-> Token Ring/FDDI)", BitSwappedOUITextBox,
             "BitSwappedOUITextBox", "0000AA");
  addTextBox(Label24, "Label24", "Bit-swapped OUI Abreviation", BitSwappedAbrevTextBox, "BitSwappedAbrevTextBox",
             "Xerox");
  addTextBox(Label25, "Label25", "Bit-swapped OUI Organization", BitSwappedOrganizationTextBox,
             "BitSwappedOrganizationTextBox", "XEROX CORPORATION");
  layout->addStretch(1);

  setTabOrder(OUINumberEdit, OUISearchButton);
}

void TRadixerCalculator::OUISearchButtonClick(QObject*) {
  const TBusyCursor busy;
  const TOUIList* list = OUIFinderList();
  if (!list) return;

  const std::string key = OUINumberEdit->text().toLatin1().toStdString();
  const auto swapped = static_cast<std::int32_t>(SwapBitsByteByByte(static_cast<std::uint32_t>(HexStrToInt(key))));
  const std::string swappedKey = IntToHex(swapped, 6);
  BitSwappedOUITextBox->SetCaption(QString::fromStdString(swappedKey));

  auto show = [list](const std::string& searchKey, TTextBox* abbreviationBox, TTextBox* organizationBox) {
    const std::optional<std::size_t> found = list->Find(searchKey);
    const std::string_view line = found ? list->Line(*found) : std::string_view{};
    abbreviationBox->SetCaption(found ? FromFile(OUIAbbreviation(line)) : NoMatch);
    organizationBox->SetCaption(found ? FromFile(OUIOrganization(line)) : NoMatch);
  };
  show(key, AbrevTextBox, OrganizationTextBox);
  show(swappedKey, BitSwappedAbrevTextBox, BitSwappedOrganizationTextBox);
}

const TOUIList* TRadixerCalculator::OUIFinderList() {
  if (!OUIList) OUIList = TOUIList::LoadFromFile("OUI.txt", OUIListCompare(CompareLocaleText));
  if (OUIList) return &*OUIList;
  const TVendorRegistry* registry = CurrentVendorRegistry();
  if (!registry) return nullptr;
  if (!RegistryOUIList || RegistryOUIListGeneration != VendorRegistryGeneration()) {
    RegistryOUIList.emplace(ConvertVendorEntries(registry->Entries()).Text, OUIListCompare(CompareLocaleText));
    RegistryOUIListGeneration = VendorRegistryGeneration();
  }
  return &*RegistryOUIList;
}

void TRadixerCalculator::OUINumberEditKeyDown(QObject* sender, int& key, Qt::KeyboardModifiers) {
  if (key == Qt::Key_Return || key == Qt::Key_Enter) OUISearchButtonClick(sender);
}
