// SPDX-License-Identifier: MIT
// The Subnets/Hosts page: a range of the subnets under the chosen mask, with
// their IDs, host ranges and broadcast addresses.
#include <QAction>
#include <QHBoxLayout>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "controls/ClipboardButton.h"
#include "controls/ConfirmLargeRange.h"
#include "controls/KestGlobal.h"
#include "controls/KestIPAddrEdit.h"
#include "controls/KestSpinEdit.h"
#include "controls/KestStringGrid.h"
#include "controls/RangeFillLock.h"
#include "platform/Application.h"
#include "platform/Hint.h"
#include "subnet/SubnetCalculator.h"
#include "subnet/SubnetTable.h"

namespace {
// Rows written between two looks at pending messages.
constexpr int RowsPerMessageCheck = 500;
}  // namespace

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
  // A fill further up the stack is processing messages: it notices the new
  // inputs, stops, and fills the table again from them.
  if (SubnetTableFilling) return;
  FillSubnetHostTable();
}

void TSubnetCalculator::FillSubnetHostTable() {
  const TBusyCursor busy;
  const QScopedValueRollback<bool> filling(SubnetTableFilling, true);
  TRangeFillLock locked(SubnetFromSpinEdit, SubnetToSpinEdit);
  // Inputs changed while messages were processed: fill again from the new
  // ones, unless the page has been left meanwhile (the table then stays stale).
  while (!FillSubnetHostRows(SubnetTableInputs(), locked))
    if (IPSubnetPageControl->currentWidget() != SubnetHostTabSheet || Loading) return;
  SubnetHostStringGrid->AutoSizeColumns();
  SubnetTableStale = false;
}

bool TSubnetCalculator::FillSubnetHostRows(const TSubnetTableInputs& inputs, TRangeFillLock& lock) {
  TSuperStringGrid* grid = SubnetHostStringGrid;
  const int rows = inputs.To - inputs.From + 1;
  // Drop the previous rows first, so that their texts are not kept beside the new ones.
  grid->SetRowCount(2);
  grid->SetRowCount(rows + 1);
  TSubnetTableRows texts(inputs);
  for (int row = 1; row <= rows; ++row) {
    grid->SetRowUtf8(row, {texts.Number(), texts.SubnetID(), texts.HostRange(), texts.Broadcast()});
    texts.Next();
    if (row % RowsPerMessageCheck == 0) {
      lock.ProcessMessages();
      if (SubnetTableInputs() != inputs) return false;
    }
  }
  return true;
}

void TSubnetCalculator::SubnetSpinEditChange(QObject* sender) {
  if (SubnetSpinChanging) return;
  const QScopedValueRollback<bool> changing(SubnetSpinChanging, true);
  if (ConfirmLargeRange(SubnetFromSpinEdit, SubnetToSpinEdit, sender, LastSubnetFrom, LastSubnetTo, Loading)) {
    SubnetTableStale = true;
    UpdateSubnetHostTable();
  }
}
