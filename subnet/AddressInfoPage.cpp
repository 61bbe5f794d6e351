// The Address Info page: the address class and the address in binary and hexadecimal.
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "controls/KestIPAddrEdit.h"
#include "platform/Hint.h"
#include "platform/RadioGroup.h"
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
  AddressTypeRadioGroup->setAccessibleName("Address Type");
  SetHint(AddressTypeRadioGroup, "Select the class of addresses you would like information about");
  AddressTypeRadioGroup->OnClick = [this](QObject* sender) { AddressTypeRadioGroupClick(sender); };
  layout->addWidget(AddressTypeRadioGroup);
  layout->addSpacing(6);

  auto addOutput = [&](QLabel*& label, const char* labelName, const QString& caption, QLineEdit*& box,
                       const char* boxName) {
    label = NewCaption(AddressInfoTab, caption);
    label->setObjectName(labelName);
    box = NewOutputBox(AddressInfoTab, boxName, label);
    layout->addWidget(label);
    layout->addWidget(box);
    layout->addSpacing(4);
  };
  addOutput(ClassBitMapLabel, "ClassBitMapLabel", QString(), ClassBitMapTextBox, "ClassBitMapTextBox");
  addOutput(BinAddressLabel, "BinAddressLabel", "Binary", BinAddressTextBox, "BinAddressTextBox");
  addOutput(HexAddressLabel, "HexAddressLabel", "Hexadecimal", HexAddressTextBox, "HexAddressTextBox");
  layout->addStretch(1);
}

void TSubnetCalculator::UpdateAddressInfo() {
  const AddressClass addressClass = CurrentClass();
  const QString caption =
      QString("Class %1 Bit Map (n=network; h=host)").arg(QChar('A' + static_cast<int>(addressClass)));
  ClassBitMapLabel->setText(caption);
  ClassBitMapTextBox->setAccessibleName(caption);
  ClassBitMapTextBox->setText(QString::fromStdString(ClassBitMapPattern(addressClass)));
  BinAddressTextBox->setText(QString::fromStdString(FormatDottedBinary(IPAddressEdit->Address())));
  HexAddressTextBox->setText(QString::fromStdString(FormatDottedHex(IPAddressEdit->Address())));
}
