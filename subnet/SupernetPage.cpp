// SPDX-License-Identifier: MIT
// The CIDR page: the masks shorter than the classful one, in four linked
// lists, and the supernet of the address under the chosen one.
#include <QGridLayout>
#include <QVBoxLayout>

#include "controls/KestIPAddrEdit.h"
#include "platform/ValueComboBox.h"
#include "subnet/SubnetCalculator.h"
#include "subnet/SubnetRows.h"

void TSubnetCalculator::CreateSupernetPage() {
  auto* page = CIDRTabSheet;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->setSpacing(2);
  auto* lists = new QGridLayout;
  lists->setHorizontalSpacing(6);
  lists->setVerticalSpacing(2);
  SupernetMaskBitsComboBox =
      NewMaskList(page, lists, 0, 0, "SupernetMaskBitsComboBox", "Mask &Bits",
                  "Select the total number of bits to use in the supernet mask (x.x.x.x /n notation)");
  SupernetMaskComboBox =
      NewMaskList(page, lists, 0, 1, "SupernetMaskComboBox", "Supernet &Mask", "Select a supernet mask");
  SupernetCountComboBox = NewMaskList(page, lists, 2, 0, "SupernetCountComboBox", "Max # of &Supernets",
                                      "Select the maximum number of supernets needed");
  SupernetAddressCountComboBox = NewMaskList(page, lists, 2, 1, "SupernetAddressCountComboBox",
                                             "Max # of &Addresses", "Select the maximum number of addresses required");
  lists->setColumnStretch(0, 1);
  lists->setColumnStretch(1, 2);
  layout->addLayout(lists);
  layout->addSpacing(6);
  for (TValueComboBox* list : SupernetLists())
    list->OnClick = [this](QObject* sender) { SupernetComboBoxClick(sender); };

  QLabel* rangeLabel = NewCaption(page, "Supernet Address Range");
  SupernetAddressRangeTextBox = NewOutputBox(page, "SupernetAddressRangeTextBox", rangeLabel);
  layout->addWidget(rangeLabel);
  layout->addWidget(SupernetAddressRangeTextBox);
  layout->addStretch(1);

  setTabOrder(SupernetMaskBitsComboBox, SupernetMaskComboBox);
  setTabOrder(SupernetMaskComboBox, SupernetCountComboBox);
  setTabOrder(SupernetCountComboBox, SupernetAddressCountComboBox);
}

std::array<TValueComboBox*, 4> TSubnetCalculator::SupernetLists() const {
  return {SupernetMaskBitsComboBox, SupernetMaskComboBox, SupernetCountComboBox, SupernetAddressCountComboBox};
}

std::int64_t TSubnetCalculator::SelectedSupernetMaskBits() const { return SupernetMaskBitsComboBox->SelectedValue(); }

std::int64_t TSubnetCalculator::SelectedSupernetMask() const { return SupernetMaskComboBox->SelectedValue(); }

void TSubnetCalculator::UpdateSupernetInfo() {
  const auto rows = SupernetRows(CurrentClass());
  const std::int64_t keptMaskBits = SelectedSupernetMaskBits();
  for (TValueComboBox* list : SupernetLists()) list->clear();
  for (const TSupernetRow& row : rows) {
    SupernetMaskBitsComboBox->AddItem(QString::number(row.MaskBits), row.MaskBits);
    SupernetMaskComboBox->AddItem(QString::fromStdString(FormatDottedDecimal(row.Mask)), row.Mask);
    SupernetCountComboBox->AddItem(QString::number(row.SupernetCount), row.SupernetCount);
    SupernetAddressCountComboBox->AddItem(QString::number(row.AddressCount), row.AddressCount);
  }
  const int index = KeptRowIndex(rows, &TSupernetRow::MaskBits, keptMaskBits);
  for (TValueComboBox* list : SupernetLists()) {
    list->setMaxVisibleItems(list->count());
    list->SetItemIndex(index);
  }
  SupernetAddressRangeTextBox->SetCaption(QString::fromStdString(
      SupernetAddressRange(IPAddressEdit->Address(), static_cast<std::uint32_t>(SelectedSupernetMask()))));
}

void TSubnetCalculator::SupernetComboBoxClick(QObject* sender) {
  const int index = static_cast<TValueComboBox*>(sender)->currentIndex();
  for (TValueComboBox* list : SupernetLists()) list->SetItemIndex(index);
  UpdateSupernetInfo();
}
