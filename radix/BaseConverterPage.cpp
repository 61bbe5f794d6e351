// SPDX-License-Identifier: MIT
// The Base Converter page: one number in four bases at a chosen width.
#include <QBoxLayout>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QToolButton>

#include "controls/KestNumberEdit.h"
#include "platform/Application.h"
#include "platform/Hint.h"
#include "platform/RadioGroup.h"
#include "radix/NumberWidth.h"
#include "radix/RadixerCalculator.h"
#include "radix/RadixerPageParts.h"

void TRadixerCalculator::CreateBaseConverterPage() {
  QWidget* page = BaseConverterTabSheet;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(2);

  NumberWidthGroup = NewRadixRadioGroup(page, "NumberWidthGroup", "Number &Width", {"8 Bits", "16 Bits", "32 Bits"},
                                        "Select the maximum number of bits to use for number representation");
  NumberWidthGroup->OnClick = [this](QObject* sender) { NumberWidthGroupClick(sender); };
  layout->addWidget(NumberWidthGroup);
  layout->addSpacing(6);

  auto addField = [&](TKestLabel*& label, const char* labelName, const QString& caption, TNumberEdit*& edit,
                      const char* editName, TNumberStyle style, QToolButton*& button, const char* buttonName,
                      const QString& buttonHint) {
    const TNumberFieldRow field = AddNumberFieldRow(layout, page, labelName, caption, editName, buttonName, buttonHint);
    label = field.Label;
    edit = field.Edit;
    button = field.ClipboardButton;
    edit->SetNumberStyle(style);
    edit->OnChangeValue = [this](QObject* sender) { NumberEditChangeValue(sender); };
    edit->OnChangingValueInteger = [this](QObject* sender, std::int64_t& value) {
      NumberEditChangingValueInteger(sender, value);
    };
    edit->OnKeyDown = [this](QObject* sender, int& key, Qt::KeyboardModifiers shift) {
      NumberEditKeyDown(sender, key, shift);
    };
    connect(button, &QToolButton::clicked, this, Guarded([this, button] { NumClipboardButtonClick(button); }));
  };
  addField(DecLabel, "DecLabel", "&Decimal (base 10)", DecNumberEdit, "DecNumberEdit", nsDecimal, DecClipboardButton,
           "DecClipboardButton", "Copy decimal number to clipboard");
  addField(HexLabel, "HexLabel", "&Hexadecimal (base 16)", HexNumberEdit, "HexNumberEdit", nsHexadecimal,
           HexClipboardButton, "HexClipboardButton", "Copy hexadecimal number to clipboard");
  addField(BinLabel, "BinLabel", "&Binary (base 2)", BinNumberEdit, "BinNumberEdit", nsBinary, BinClipboardButton,
           "BinClipboardButton", "Copy binary number to clipboard");
  addField(OctLabel, "OctLabel", "&Octal (base 8)", OctNumberEdit, "OctNumberEdit", nsOctal, OctClipboardButton,
           "OctClipboardButton", "Copy octal number to clipboard");
  // The binary field shows the value 0 as no digits; it starts at "0" like the others.
  BinNumberEdit->setText("0");
  layout->addStretch(1);

  auto addButton = [&](QPushButton*& button, const char* name, const QString& caption, const QString& hint) {
    button = new QPushButton(caption, page);
    button->setObjectName(name);
    SetHint(button, hint);
  };
  addButton(ClearButton, "ClearButton", "C&lear", "Clears the current value by setting it to zero");
  addButton(InvertButton, "InvertButton", "&Invert", "Inverts the current value by performing a bitwise NOT");
  connect(ClearButton, &QPushButton::clicked, this, Guarded([this] { ClearButtonClick(ClearButton); }));
  connect(InvertButton, &QPushButton::clicked, this, Guarded([this] { InvertButtonClick(InvertButton); }));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ClearButton);
  buttons->addWidget(InvertButton);
  layout->addLayout(buttons);

  QWidget* tabOrder[] = {NumberWidthGroup, DecNumberEdit, HexNumberEdit, BinNumberEdit,
                         OctNumberEdit,    ClearButton,   InvertButton};
  for (std::size_t i = 1; i < std::size(tabOrder); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void TRadixerCalculator::NumberWidthGroupClick(QObject*) {
  const TNumberWidth& width = NumberWidthOf(NumberWidthGroup->ItemIndex());
  SetNumberEditHint(DecNumberEdit, width.Bits);
  DecNumberEdit->SetMaxLength(width.DecMaxLength);
  const std::pair<TNumberEdit*, int> padded[] = {
      {HexNumberEdit, width.HexDigits}, {BinNumberEdit, width.BinDigits}, {OctNumberEdit, width.OctDigits}};
  for (auto [edit, digits] : padded) {
    edit->SetDigits(digits);
    SetNumberEditHint(edit, width.Bits);
    edit->SetMaxLength(digits);
  }
  DecNumberEdit->SetValueInteger(
      static_cast<std::int64_t>(static_cast<std::uint64_t>(DecNumberEdit->ValueInteger()) & width.Mask));
}

void TRadixerCalculator::NumberEditChangingValueInteger(QObject*, std::int64_t& newValueInteger) {
  newValueInteger = ClampToNumberWidth(NumberWidthGroup->ItemIndex(), newValueInteger);
}

void TRadixerCalculator::NumberEditChangeValue(QObject* sender) {
  if (ConverterUpdating) return;
  auto* source = qobject_cast<TNumberEdit*>(sender);
  if (!source) return;
  const QScopedValueRollback<bool> updating(ConverterUpdating, true);
  const std::int64_t value = source->ValueInteger();
  for (TNumberEdit* edit : {DecNumberEdit, HexNumberEdit, BinNumberEdit, OctNumberEdit})
    if (edit != sender) edit->SetValueInteger(value);
}

void TRadixerCalculator::ClearButtonClick(QObject*) { DecNumberEdit->SetValueInteger(0); }

void TRadixerCalculator::InvertButtonClick(QObject*) {
  DecNumberEdit->SetValueInteger(InvertInNumberWidth(NumberWidthGroup->ItemIndex(), DecNumberEdit->ValueInteger()));
}
