// SPDX-License-Identifier: MIT
// The Subnet Info page: the masks that subnet the classful network, in five
// linked lists, and the subnet of the address under the chosen one.
#include <QAction>
#include <QGridLayout>
#include <QVBoxLayout>

#include "controls/KestIPAddrEdit.h"
#include "platform/ValueComboBox.h"
#include "subnet/BitMapColours.h"
#include "subnet/SubnetCalculator.h"
#include "subnet/SubnetRows.h"

void TSubnetCalculator::CreateSubnetInfoPage() {
  auto* page = SubnetInfoTab;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(2);

  auto* masks = new QGridLayout;
  masks->setHorizontalSpacing(6);
  masks->setVerticalSpacing(2);
  SubnetBitsComboBox = NewMaskList(page, masks, 0, 0, "SubnetBitsComboBox", "&Subnet Bits",
                                   "Select the number of subnet bits (network bits + subnet bits = mask bits)");
  SubnetMaskBitsComboBox =
      NewMaskList(page, masks, 0, 1, "SubnetMaskBitsComboBox", "Mask &Bits",
                  "Select the total number of bits to use in the subnet mask (x.x.x.x /n notation)");
  SubnetMaskComboBox = NewMaskList(page, masks, 0, 2, "SubnetMaskComboBox", "Subnet &Mask", "Select a subnet mask");
  masks->setColumnStretch(2, 1);
  layout->addLayout(masks);

  auto* counts = new QGridLayout;
  counts->setHorizontalSpacing(6);
  counts->setVerticalSpacing(2);
  SubnetCountComboBox = NewMaskList(page, counts, 0, 0, "SubnetCountComboBox", "Max # of Sub&nets",
                                    "Select the maximum number of subnets needed");
  SubnetHostCountComboBox = NewMaskList(page, counts, 0, 1, "SubnetHostCountComboBox", "Max # of &Hosts/Subnet",
                                        "Select the maximum number of hosts on an individual subnet");
  counts->setColumnStretch(0, 1);
  counts->setColumnStretch(1, 1);
  layout->addLayout(counts);
  layout->addSpacing(6);

  for (TValueComboBox* list : SubnetLists())
    list->OnClick = [this](QObject* sender) { SubnetComboBoxClick(sender); };

  SubnetBitMapLabel = new TKestLabel(page);
  SubnetBitMapLabel->setObjectName("SubnetBitMapLabel");
  SubnetBitMapLabel->SetCaption(QString::fromStdString(BitMapLegendText(SubnetBitMapTitle, true)));
  SubnetBitMapLabel->OnCustomDraw = [this](QObject* sender, const QRect& rect, bool& defaultDraw) {
    BitMapLabelCustomDraw(sender, rect, defaultDraw);
  };
  SubnetBitMapTextBox = NewOutputBox(page, "SubnetBitMapTextBox", SubnetBitMapLabel);
  SubnetBitMapTextBox->OnCustomDraw = [this](QObject* sender, const QRect& rect, bool& defaultDraw) {
    BitMapTextBoxCustomDraw(sender, rect, defaultDraw);
  };
  SubnetBitMapTextBox->OnCharacterRects = [this](const TKestCustomLabel& box, const QRect& rect) {
    return BitMapTextBoxCharacterRects(static_cast<const TKestCustomTextBox&>(box), rect);
  };
  layout->addWidget(SubnetBitMapLabel);
  layout->addWidget(SubnetBitMapTextBox);
  layout->addSpacing(4);

  QLabel* rangeLabel = NewCaption(page, "Subnet Host Address Range");
  SubnetAddressRangeTextBox = NewOutputBox(page, "SubnetAddressRangeTextBox", rangeLabel);
  layout->addWidget(rangeLabel);
  layout->addWidget(SubnetAddressRangeTextBox);
  layout->addSpacing(4);

  auto* ends = new QGridLayout;
  ends->setHorizontalSpacing(6);
  ends->setVerticalSpacing(2);
  QLabel* idLabel = NewCaption(page, "Subnet ID");
  SubnetIDTextBox = NewOutputBox(page, "SubnetIDTextBox", idLabel);
  QLabel* broadcastLabel = NewCaption(page, "Subnet Broadcast");
  SubnetBroadcastTextBox = NewOutputBox(page, "SubnetBroadcastTextBox", broadcastLabel);
  ends->addWidget(idLabel, 0, 0);
  ends->addWidget(SubnetIDTextBox, 1, 0);
  ends->addWidget(broadcastLabel, 0, 1);
  ends->addWidget(SubnetBroadcastTextBox, 1, 1);
  layout->addLayout(ends);
  layout->addStretch(1);

  setTabOrder(SubnetBitsComboBox, SubnetMaskBitsComboBox);
  setTabOrder(SubnetMaskBitsComboBox, SubnetMaskComboBox);
  setTabOrder(SubnetMaskComboBox, SubnetCountComboBox);
  setTabOrder(SubnetCountComboBox, SubnetHostCountComboBox);
}

std::array<TValueComboBox*, 5> TSubnetCalculator::SubnetLists() const {
  return {SubnetBitsComboBox, SubnetMaskBitsComboBox, SubnetMaskComboBox, SubnetCountComboBox,
          SubnetHostCountComboBox};
}

std::int64_t TSubnetCalculator::SelectedSubnetBits() const { return SubnetBitsComboBox->SelectedValue(); }

std::int64_t TSubnetCalculator::SelectedMaskBits() const { return SubnetMaskBitsComboBox->SelectedValue(); }

std::int64_t TSubnetCalculator::SelectedHostBits() const {
  const std::int64_t maskBits = SelectedMaskBits();
  return maskBits < 0 ? -1 : 32 - maskBits;
}

std::int64_t TSubnetCalculator::SelectedSubnetMask() const { return SubnetMaskComboBox->SelectedValue(); }

std::int64_t TSubnetCalculator::SelectedSubnetCount() const { return SubnetCountComboBox->SelectedValue(); }

void TSubnetCalculator::UpdateSubnetInfo() {
  const AddressClass addressClass = CurrentClass();
  const auto rows = SubnetRows(addressClass, OptionsAllow1SubnetBitItem->isChecked());
  const std::int64_t keptSubnetBits = SelectedSubnetBits();
  for (TValueComboBox* list : SubnetLists()) list->clear();
  for (const TSubnetRow& row : rows) {
    SubnetBitsComboBox->AddItem(QString::number(row.SubnetBits), row.SubnetBits);
    SubnetMaskBitsComboBox->AddItem(QString::number(row.MaskBits), row.MaskBits);
    SubnetMaskComboBox->AddItem(QString::fromStdString(FormatDottedDecimal(row.Mask)), row.Mask);
    SubnetCountComboBox->AddItem(QString::number(row.SubnetCount), row.SubnetCount);
    SubnetHostCountComboBox->AddItem(QString::number(row.HostCount), row.HostCount);
  }
  const int index = KeptRowIndex(rows, &TSubnetRow::SubnetBits, keptSubnetBits);
  for (TValueComboBox* list : SubnetLists()) {
    list->setMaxVisibleItems(list->count());
    list->SetItemIndex(index);
  }

  SubnetBitMapLabel->update();
  SubnetBitMapTextBox->SetCaption(QString::fromStdString(
      SubnetBitMapPattern(addressClass, static_cast<int>(SelectedSubnetBits()), static_cast<int>(SelectedHostBits()))));
  SubnetBitMapTextBox->update();
  const std::uint32_t address = IPAddressEdit->Address();
  const auto mask = static_cast<std::uint32_t>(SelectedSubnetMask());
  SubnetAddressRangeTextBox->SetCaption(QString::fromStdString(SubnetHostRange(address, mask)));
  SubnetIDTextBox->SetCaption(QString::fromStdString(FormatDottedDecimal(address & mask)));
  SubnetBroadcastTextBox->SetCaption(QString::fromStdString(FormatDottedDecimal(address | ~mask)));
}

void TSubnetCalculator::SubnetComboBoxClick(QObject* sender) {
  const int index = static_cast<TValueComboBox*>(sender)->currentIndex();
  for (TValueComboBox* list : {SubnetMaskComboBox, SubnetMaskBitsComboBox, SubnetBitsComboBox, SubnetCountComboBox,
                               SubnetHostCountComboBox})
    list->SetItemIndex(index);
  UpdateSubnetInfo();
  SubnetTableStale = true;
  UpdateSubnetHostTable();
}

void TSubnetCalculator::OptionsAllow1SubnetBitItemClick(QObject*) {
  // The menu item's check mark has already been inverted by the menu.
  UpdateSubnetInfo();
  SubnetTableStale = true;
  UpdateSubnetHostTable();
}
