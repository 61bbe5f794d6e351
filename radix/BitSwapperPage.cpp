// SPDX-License-Identifier: MIT
// The Bit-Swapper page: a 32-bit value with the bits of each byte reversed,
// and with all its bits reversed, in a base of the user's choice.
#include <QBoxLayout>
#include <QToolButton>

#include "controls/KestNumberEdit.h"
#include "platform/Application.h"
#include "platform/Hint.h"
#include "platform/RadioGroup.h"
#include "radix/BitSwap.h"
#include "radix/RadixerCalculator.h"
#include "radix/RadixerPageParts.h"

void TRadixerCalculator::CreateBitSwapperPage() {
  QWidget* page = BitSwapperTabSheet;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(2);

  NumberStyleRadioGroup = NewRadixRadioGroup(page, "NumberStyleRadioGroup", "&Base", {"Dec", "Hex", "Bin", "Oct"},
                                             "Select a base for entering a value and bit-reversal");
  NumberStyleRadioGroup->OnClick = [this](QObject* sender) { NumberStyleRadioGroupClick(sender); };
  layout->addWidget(NumberStyleRadioGroup);
  layout->addSpacing(6);

  auto addField = [&](TKestLabel*& label, const char* labelName, const QString& caption, TNumberEdit*& edit,
                      const char* editName, QToolButton*& button, const char* buttonName, const QString& buttonHint) {
    const TNumberFieldRow field = AddNumberFieldRow(layout, page, labelName, caption, editName, buttonName, buttonHint);
    label = field.Label;
    edit = field.Edit;
    button = field.ClipboardButton;
    connect(button, &QToolButton::clicked, this, Guarded([this, button] { NumClipboardButtonClick(button); }));
  };
  addField(SwapLabel, "SwapLabel", "Original &Value", BitOriginalNumberEdit, "BitOriginalNumberEdit",
           BitOriginalClipboardButton, "BitOriginalClipboardButton", "Copy original value to clipboard");
  addField(Label18, "Label18", "Bit-swapped Value (Byte by Byte)", BitReversedByteNumberEdit,
           "BitReversedByteNumberEdit", BitReversedByteClipboardButton, "BitReversedByteClipboardButton",
           "Copy byte by byte bit-swapped value to clipboard");
  addField(Label19, "Label19", "Bit-swapped value (LSB <-> MSB)", BitReversedBufNumberEdit,
           "BitReversedBufNumberEdit", BitReversedBufClipboardButton, "BitReversedBufClipboardButton",
           "Copy LSB <-> MSB bit-swapped value to clipboard");
  layout->addStretch(1);

  BitOriginalNumberEdit->OnChangeValue = [this](QObject* sender) { BitOriginalNumberEditChangeValue(sender); };
  BitOriginalNumberEdit->OnKeyDown = [this](QObject* sender, int& key, Qt::KeyboardModifiers shift) {
    NumberEditKeyDown(sender, key, shift);
  };
  SetHint(BitReversedByteNumberEdit, "This value is found by bit-reversing each individual byte");
  SetHint(BitReversedBufNumberEdit,
          "This value is found by bit-reversing the entire value (least significant bit to most significant bit)");
  for (TNumberEdit* result : {BitReversedByteNumberEdit, BitReversedBufNumberEdit}) {
    result->setReadOnly(true);
    QPalette palette = result->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    result->setPalette(palette);
  }

  QWidget* tabOrder[] = {NumberStyleRadioGroup, BitOriginalNumberEdit, BitReversedByteNumberEdit,
                         BitReversedBufNumberEdit};
  for (std::size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void TRadixerCalculator::NumberStyleRadioGroupClick(QObject*) {
  const TBitSwapBase& base = BitSwapBaseOf(NumberStyleRadioGroup->ItemIndex());
  BitOriginalNumberEdit->SetDigits(base.Digits);
  BitOriginalNumberEdit->SetNumberStyle(base.NumberStyle);
  SetNumberEditHint(BitOriginalNumberEdit, 32);
  BitOriginalNumberEdit->SetMaxLength(base.Digits);
  for (TNumberEdit* result : {BitReversedByteNumberEdit, BitReversedBufNumberEdit}) {
    result->SetDigits(base.Digits);
    result->SetNumberStyle(base.NumberStyle);
    result->SetMaxLength(base.Digits);
  }
}

void TRadixerCalculator::BitOriginalNumberEditChangeValue(QObject*) {
  const auto low = static_cast<std::uint32_t>(BitOriginalNumberEdit->ValueInteger());
  BitReversedByteNumberEdit->SetValueInteger(SwapBitsByteByByte(low));
  BitReversedBufNumberEdit->SetValueInteger(SwapBitsLsbMsb(low));
}
