// SPDX-License-Identifier: MIT
// The Subnets/Hosts page: a range of the subnets under the chosen mask, with
// their IDs, host ranges and broadcast addresses.
#include <QAction>
#include <QHBoxLayout>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>
#include <utility>

#include "controls/ClipboardButton.h"
#include "controls/ConfirmLargeRange.h"
#include "controls/KestGlobal.h"
#include "controls/KestIPAddrEdit.h"
#include "controls/KestSpinEdit.h"
#include "controls/KestStringGrid.h"
#include "platform/Application.h"
#include "platform/Hint.h"
#include "subnet/SubnetCalculator.h"
#include "subnet/SubnetTable.h"

void TSubnetCalculator::CreateSubnetHostPage() {
  auto* page = SubnetHostTabSheet;
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(4);

  auto* range = new QHBoxLayout;
  auto newSpinEdit = [this, page, range](TBetterSpinEdit*& edit, const char* name, const QString& caption) {
    edit = new TBetterSpinEdit(page);
    edit->setObjectName(name);
    edit->setAccessibleName(QString(caption).remove('&'));
    edit->SetAlignment(taRightJustify);
    edit->SetMaxValue(2147483647);
    edit->OnChange = [this](QObject* sender) { SubnetSpinEditChange(sender); };
    range->addWidget(NewCaption(page, caption, edit));
    range->addWidget(edit);
  };
  newSpinEdit(SubnetFromSpinEdit, "SubnetFromSpinEdit", "&From");
  newSpinEdit(SubnetToSpinEdit, "SubnetToSpinEdit", "&To");
  range->addStretch(1);
  SubnetHostTableClipboardButton =
      NewClipboardButton(page, "SubnetHostTableClipboardButton", "Copy subnets/hosts table to clipboard");
  connect(SubnetHostTableClipboardButton, &QToolButton::clicked, this,
          Guarded([this] { SubnetHostTableClipboardButtonClick(SubnetHostTableClipboardButton); }));
  range->addWidget(SubnetHostTableClipboardButton);
  layout->addLayout(range);

  SubnetHostStringGrid = new TSuperStringGrid(page);
  SubnetHostStringGrid->setObjectName("SubnetHostStringGrid");
  SubnetHostStringGrid->setAccessibleName("Subnet and host table");
  SubnetHostStringGrid->SetColCount(4);
  SubnetHostStringGrid->SetFixedCols(1);
  SubnetHostStringGrid->SetDefaultColWidth(17);
  SubnetHostStringGrid->SetAutoWidth(false);
  SubnetHostStringGrid->SetAutoHeight(false);
  SubnetHostStringGrid->SetOptions(SubnetHostStringGrid->Options() | goColSizing | goThumbTracking);
  QFont headings = page->font();
  headings.setPixelSize(11);
  SubnetHostStringGrid->SetFixedFont(headings);
  layout->addWidget(SubnetHostStringGrid, 1);

  setTabOrder(SubnetFromSpinEdit, SubnetToSpinEdit);
  setTabOrder(SubnetToSpinEdit, SubnetHostStringGrid);
}

void TSubnetCalculator::InitSubnetHostTable() {
  const char* headings[] = {"#", "Subnet ID", "Host Range", "Subnet Broadcast"};
  for (int column = 0; column < 4; ++column) {
    SubnetHostStringGrid->SetColumnAlignment(column, taCenter);
    SubnetHostStringGrid->SetCells(column, 0, headings[column]);
  }
  SubnetTableStale = true;
}

void TSubnetCalculator::IPSubnetPageControlChange(QObject*) {
  if (IPSubnetPageControl->currentWidget() == SubnetHostTabSheet) UpdateSubnetHostTable();
}

void TSubnetCalculator::SubnetHostTableClipboardButtonClick(QObject*) { SubnetHostStringGrid->CopyToClipboard(); }

TSubnetTableInputs TSubnetCalculator::SubnetTableInputs() const {
  return {IPAddressEdit->Address() & ClassNetworkMask(CurrentClass()), static_cast<int>(SelectedHostBits()),
          SubnetFromSpinEdit->Value(), SubnetToSpinEdit->Value()};
}

void TSubnetCalculator::UpdateSubnetHostTable() {
  const TSubnetNumberBounds bounds =
      SubnetNumberBounds(static_cast<int>(SelectedSubnetBits()), OptionsAllow1SubnetBitItem->isChecked());
  const QString hint = QString::fromStdString(SubnetNumberHint(bounds));
  {
    // New bounds move the range into them, From before To: a range check
    // in between would see From moved and the old To, and could ask about
    // a range nobody chose. Moving both ends into the same bounds keeps
    // them in order and never widens the range, so it needs no check.
    const QScopedValueRollback<bool> quiet(SubnetSpinChanging, true);
    for (TBetterSpinEdit* edit : {SubnetFromSpinEdit, SubnetToSpinEdit}) {
      edit->SetMinValue(bounds.Lowest);
      edit->SetMaxValue(bounds.Highest);
      SetHint(edit, hint);
    }
  }
  if (SubnetFromSpinEdit->Value() != LastSubnetFrom || SubnetToSpinEdit->Value() != LastSubnetTo) {
    LastSubnetFrom = SubnetFromSpinEdit->Value();
    LastSubnetTo = SubnetToSpinEdit->Value();
    SubnetTableStale = true;
  }
  if (!SubnetTableStale || IPSubnetPageControl->currentWidget() != SubnetHostTabSheet || Loading) return;
  FillSubnetHostTable();
}

void TSubnetCalculator::FillSubnetHostTable() {
  auto rows = std::make_shared<TRowSourceOf<TSubnetTableRows>>(TSubnetTableRows(SubnetTableInputs()));
  SubnetHostStringGrid->SetRowSource(std::move(rows));
  SubnetHostStringGrid->AutoSizeColumns();
  SubnetTableStale = false;
}

void TSubnetCalculator::SubnetSpinEditChange(QObject* sender) {
  if (SubnetSpinChanging) return;
  const QScopedValueRollback<bool> changing(SubnetSpinChanging, true);
  if (ConfirmLargeRange(SubnetFromSpinEdit, SubnetToSpinEdit, sender, LastSubnetFrom, LastSubnetTo, Loading)) {
    SubnetTableStale = true;
    UpdateSubnetHostTable();
  }
}
