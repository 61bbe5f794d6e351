// SPDX-License-Identifier: MIT
#include "radix/RadixerCalculator.h"

#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <limits>
#include <stdexcept>
#include <utility>

#include "controls/KestNumberEdit.h"
#include "controls/KestSpinEdit.h"
#include "platform/Clipboard.h"
#include "platform/RadioGroup.h"
#include "radix/BitWorkbenchPage.h"
#include "radix/MacAddressPage.h"

TRadixerCalculator::TRadixerCalculator(const bool& loading, QWidget* parent)
    : QWidget(parent), Loading(loading) {
  setObjectName("RadixerCalculator");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);

  RadixerPageControl = new QTabWidget(this);
  RadixerPageControl->setObjectName("RadixerPageControl");
  auto addPage = [this](QWidget*& page, const char* name, const char* caption) {
    page = new QWidget;
    page->setObjectName(name);
    RadixerPageControl->addTab(page, caption);
  };
  addPage(BaseConverterTabSheet, "BaseConverterTabSheet", "Base Converter");
  addPage(BaseLookupTabSheet, "BaseLookupTabSheet", "Base Lookup");
  addPage(BitSwapperTabSheet, "BitSwapperTabSheet", "Bit-Swapper");
  addPage(OUIFinderTabSheet, "OUIFinderTabSheet", "OUI Finder");
  MacAddressTabSheet = new TMacAddressPage(RadixerPageControl);
  RadixerPageControl->addTab(MacAddressTabSheet, "MAC");
  BitWorkbenchTabSheet = new TBitWorkbenchPage(RadixerPageControl);
  RadixerPageControl->addTab(BitWorkbenchTabSheet, "Bits");
  layout->addWidget(RadixerPageControl);

  CreateBaseConverterPage();
  CreateBaseLookupPage();
  CreateBitSwapperPage();
  CreateOUIFinderPage();
}

void TRadixerCalculator::InitRadixerCalculator() {
  InitLookupTable();
  RadixerPageControl->setCurrentWidget(BaseConverterTabSheet);
  NumberWidthGroup->SetItemIndex(2);  // 32 Bits; its click handler runs
  DecNumberEdit->SetValueInteger(1438715774);
  NumberStyleRadioGroup->SetItemIndex(1);  // Hex; its click handler runs
  BitOriginalNumberEdit->SetValueInteger(1438715774);
  HexLookupFromSpinEdit->SetValue(0);
  HexLookupToSpinEdit->SetValue(31);
}

void TRadixerCalculator::LoadSettings(const QString& settingsKey) { BitWorkbenchTabSheet->LoadSettings(settingsKey); }

void TRadixerCalculator::SaveSettings(const QString& settingsKey) const {
  BitWorkbenchTabSheet->SaveSettings(settingsKey);
}

void TRadixerCalculator::NumClipboardButtonClick(QObject* sender) {
  const std::pair<QObject*, TNumberEdit*> fields[] = {{DecClipboardButton, DecNumberEdit},
                                                      {HexClipboardButton, HexNumberEdit},
                                                      {BinClipboardButton, BinNumberEdit},
                                                      {OctClipboardButton, OctNumberEdit},
                                                      {BitOriginalClipboardButton, BitOriginalNumberEdit},
                                                      {BitReversedByteClipboardButton, BitReversedByteNumberEdit},
                                                      {BitReversedBufClipboardButton, BitReversedBufNumberEdit},
                                                      {OUIClipboardButton, OUINumberEdit}};
  for (auto [button, edit] : fields)
    if (sender == button) ClipboardSetText(edit->text());
}

void TRadixerCalculator::NumberEditKeyDown(QObject* sender, int& key, Qt::KeyboardModifiers) {
  auto* edit = qobject_cast<TNumberEdit*>(sender);
  if (!edit || (key != Qt::Key_Up && key != Qt::Key_Down)) return;
  const std::int64_t value = edit->ValueInteger();
  const bool up = key == Qt::Key_Up;
  if (value == (up ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int64_t>::min()))
    throw std::overflow_error("Integer overflow");
  edit->SetValueInteger(up ? value + 1 : value - 1);
}
