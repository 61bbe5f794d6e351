// SPDX-License-Identifier: MIT
#include "subnet/SubnetCalculator.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/WrapMessage.h"
#include "controls/ClipboardButton.h"
#include "controls/KestIPAddrEdit.h"
#include "platform/Application.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/Hint.h"
#include "platform/RadioGroup.h"
#include "platform/ValueComboBox.h"

TSubnetCalculator::TSubnetCalculator(const bool& loading, QAction* allow1SubnetBitItem, QWidget* parent)
    : QWidget(parent), Loading(loading), OptionsAllow1SubnetBitItem(allow1SubnetBitItem) {
  setObjectName("SubnetCalculator");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(4);

  auto* addressRow = new QHBoxLayout;
  IPAddressLabel = new QLabel("&IP Address", this);
  IPAddressLabel->setObjectName("IPAddressLabel");
  IPAddressEdit = new TIPAddressEdit(this);
  IPAddressEdit->setObjectName("IPAddressEdit");
  SetHint(IPAddressEdit, "Enter an IP address");
  IPAddressLabel->setBuddy(IPAddressEdit);
  IPAddressEdit->OnFieldChanged = [this](QObject* sender, int field, std::uint8_t& value) {
    IPAddressEditFieldChanged(sender, field, value);
  };
  IPAddressEdit->OnAddressTyped = [this](QObject* sender) { return IPAddressEditAddressTyped(sender); };
  IPAddressEdit->OnMaskPasted = [this](QObject* sender, int maskBits) { IPAddressEditMaskPasted(sender, maskBits); };
  IPAddressClipboardButton = NewClipboardButton(this, "IPAddressClipboardButton", "Copy IP address to clipboard");
  connect(IPAddressClipboardButton, &QToolButton::clicked, this,
          Guarded([this] { IPAddressClipboardButtonClick(IPAddressClipboardButton); }));
  addressRow->addWidget(IPAddressLabel);
  addressRow->addWidget(IPAddressEdit, 1);
  addressRow->addWidget(IPAddressClipboardButton);
  layout->addLayout(addressRow);

  IPSubnetPageControl = new QTabWidget(this);
  IPSubnetPageControl->setObjectName("IPSubnetPageControl");
  auto addPage = [this](QWidget*& page, const char* name, const char* caption) {
    page = new QWidget;
    page->setObjectName(name);
    IPSubnetPageControl->addTab(page, caption);
  };
  addPage(AddressInfoTab, "AddressInfoTab", "Address Info");
  addPage(SubnetInfoTab, "SubnetInfoTab", "Subnet Info");
  addPage(SubnetHostTabSheet, "SubnetHostTabSheet", "Subnets/Hosts");
  addPage(CIDRTabSheet, "CIDRTabSheet", "CIDR");
  layout->addWidget(IPSubnetPageControl, 1);

  CreateAddressInfoPage();
  CreateSubnetInfoPage();
  CreateSubnetHostPage();
  CreateSupernetPage();
  connect(IPSubnetPageControl, &QTabWidget::currentChanged, this,
          Guarded([this] { IPSubnetPageControlChange(IPSubnetPageControl); }));
  connect(OptionsAllow1SubnetBitItem, &QAction::triggered, this,
          Guarded([this] { OptionsAllow1SubnetBitItemClick(OptionsAllow1SubnetBitItem); }));
}

AddressClass TSubnetCalculator::CurrentClass() const { return AddressClassOf(AddressTypeRadioGroup->ItemIndex()); }

void TSubnetCalculator::IPAddressEditFieldChanged(QObject*, int fieldIndex, std::uint8_t& value) {
  if (fieldIndex == 0) {
    const TFirstOctetVerdict verdict = ValidateFirstOctet(value, IPAddressEdit->Address());
    if (verdict.Message && !Loading)
      MessageBox(QString::fromStdString(WrapMessage(*verdict.Message, 80)), "Invalid IP Address",
                 MB_OK | MB_ICONINFORMATION);
    if (verdict.Value != value) {
      value = verdict.Value;
      IPAddressEdit->SetField(0, value);
    }
    if (verdict.Class != AddressTypeRadioGroup->ItemIndex()) {
      TDetachedClick detached(AddressTypeRadioGroup);
      AddressTypeRadioGroup->SetItemIndex(verdict.Class);
    }
  }
  SubnetTableStale = true;
  UpdateAddressInfo();
  UpdateSubnetInfo();
  UpdateSubnetHostTable();
  UpdateSupernetInfo();
}

bool TSubnetCalculator::IPAddressEditAddressTyped(QObject* sender) {
  std::uint8_t first = IPAddressEdit->GetField(0);
  if (ValidateFirstOctet(first, IPAddressEdit->Address()).Message) return false;
  // As for an entered first field: the class follows it, and every page the address.
  IPAddressEditFieldChanged(sender, 0, first);
  return true;
}

void TSubnetCalculator::IPAddressEditMaskPasted(QObject*, int maskBits) {
  for (int index = 0; index < SubnetMaskBitsComboBox->count(); ++index) {
    if (SubnetMaskBitsComboBox->ItemValue(index) == static_cast<std::uint32_t>(maskBits)) {
      SubnetMaskBitsComboBox->SetItemIndex(index);
      SubnetComboBoxClick(SubnetMaskBitsComboBox);
      return;
    }
  }
}

void TSubnetCalculator::AddressTypeRadioGroupClick(QObject*) {
  const std::uint8_t first = IPAddressEdit->GetField(0);
  const std::uint8_t clamped = ClampFirstOctetToClass(first, CurrentClass());
  if (clamped != first) IPAddressEdit->SetField(0, clamped);
  UpdateAddressInfo();
  UpdateSubnetInfo();
  SubnetTableStale = true;
  UpdateSubnetHostTable();
  UpdateSupernetInfo();
}

void TSubnetCalculator::IPAddressClipboardButtonClick(QObject*) { ClipboardSetText(IPAddressEdit->AddressString()); }
