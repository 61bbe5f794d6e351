// SPDX-License-Identifier: MIT
// The Address Info page: the address class and the address in binary and hexadecimal.
#include <QLabel>
#include <QVBoxLayout>

#include "controls/KestIPAddrEdit.h"
#include "platform/Hint.h"
#include "platform/RadioGroup.h"
#include "subnet/BitMapColours.h"
#include "subnet/SubnetCalculator.h"
#include "subnet/SubnetPageControls.h"

void TSubnetCalculator::CreateAddressInfoPage() {
  auto* layout = new QVBoxLayout(AddressInfoTab);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(2);
  AddressTypeRadioGroup =
      new TRadioGroup("&Address Type", {QString::fromStdString(ClassItemText(acClassA)),
                                        QString::fromStdString(ClassItemText(acClassB)),
                                        QString::fromStdString(ClassItemText(acClassC))},
                      AddressInfoTab);
  AddressTypeRadioGroup->setObjectName("AddressTypeRadioGroup");
  SetHint(AddressTypeRadioGroup, "Select the class of addresses you would like information about");
  AddressTypeRadioGroup->OnClick = [this](QObject* sender) { AddressTypeRadioGroupClick(sender); };
  layout->addWidget(AddressTypeRadioGroup);
  layout->addSpacing(6);

  auto addOutput = [&](QLabel* label, const char* labelName, TOutputBox*& box, const char* boxName) {
    label->setObjectName(labelName);
    box = NewOutputBox(AddressInfoTab, boxName, label);
    layout->addWidget(label);
    layout->addWidget(box);
    layout->addSpacing(4);
  };
  ClassBitMapLabel = new TKestLabel(AddressInfoTab);
  addOutput(ClassBitMapLabel, "ClassBitMapLabel", ClassBitMapTextBox, "ClassBitMapTextBox");
  BinAddressLabel = NewCaption(AddressInfoTab, "Binary");
  addOutput(BinAddressLabel, "BinAddressLabel", BinAddressTextBox, "BinAddressTextBox");
  HexAddressLabel = NewCaption(AddressInfoTab, "Hexadecimal");
  addOutput(HexAddressLabel, "HexAddressLabel", HexAddressTextBox, "HexAddressTextBox");

  auto labelDraw = [this](QObject* sender, const QRect& rect, bool& defaultDraw) {
    BitMapLabelCustomDraw(sender, rect, defaultDraw);
  };
  auto boxDraw = [this](QObject* sender, const QRect& rect, bool& defaultDraw) {
    BitMapTextBoxCustomDraw(sender, rect, defaultDraw);
  };
  ClassBitMapLabel->OnCustomDraw = labelDraw;
  auto boxCharacters = [this](const TKestCustomLabel& box, const QRect& rect) {
    return BitMapTextBoxCharacterRects(static_cast<const TKestCustomTextBox&>(box), rect);
  };
  for (TKestCustomTextBox* box : {ClassBitMapTextBox, BinAddressTextBox}) {
    box->OnCustomDraw = boxDraw;
    box->OnCharacterRects = boxCharacters;
  }
  layout->addStretch(1);
}

void TSubnetCalculator::UpdateAddressInfo() {
  const AddressClass addressClass = CurrentClass();
  const QString caption = QString::fromStdString(BitMapLegendText(ClassBitMapTitle(addressClass), false));
  ClassBitMapLabel->SetCaption(caption);
  ClassBitMapLabel->update();
  ClassBitMapTextBox->SetCaption(QString::fromStdString(ClassBitMapPattern(addressClass)));
  BinAddressTextBox->SetCaption(QString::fromStdString(FormatDottedBinary(IPAddressEdit->Address())));
  HexAddressTextBox->SetCaption(QString::fromStdString(FormatDottedHex(IPAddressEdit->Address())));
  // The boxes are coloured by class, which may change while their texts stay.
  ClassBitMapTextBox->update();
  BinAddressTextBox->update();
}
