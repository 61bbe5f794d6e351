// SPDX-License-Identifier: MIT
// The Plan page: needs of hosts carved out of a parent prefix, the largest
// first, in a table, with what does not fit and the free blocks left.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

#include "controls/KestStringGrid.h"
#include "platform/Hint.h"
#include "prefix/HostPlan.h"
#include "prefix/PrefixCalculator.h"

namespace {
const char* const PlanHeadings[PlanColumnCount] = {"Name", "Hosts", "Prefix", "First", "Last", "Usable", "Wasted"};
}  // namespace

void TPrefixCalculator::CreatePlanPage() {
  PlanTabSheet = NewPage("Plan", "PlanTabSheet");
  QWidget* page = PlanTabSheet;
  auto* layout = static_cast<QVBoxLayout*>(page->layout());
  PlanParentEdit = new QLineEdit(page);
  PlanParentEdit->setObjectName("PlanParentEdit");
  SetHint(PlanParentEdit, "The prefix the blocks are carved out of");
  PlanParentEdit->setPlaceholderText("10.20.0.0/22 or 2001:db8:5::/48");
  layout->addWidget(NewCaption(page, "Pa&rent Prefix", PlanParentEdit));
  layout->addWidget(PlanParentEdit);
  PlanNeedsEdit = AddListInput(page, "PlanNeedsEdit", "&Needs",
                               "A name and a number of hosts (Sales 500) or a prefix length (Link /30) a line",
                               "Sales floor 500\nLab 50\nLink /31", &TPrefixCalculator::PlanErrorsTextBox);
  PlanErrorsTextBox = AddListResult(page, "PlanErrorsTextBox", "Needs Not Understood", 2);

  PlanStringGrid = new TSuperStringGrid(page);
  PlanStringGrid->setObjectName("PlanStringGrid");
  PlanStringGrid->setAccessibleName("Host plan table");
  PlanStringGrid->SetColCount(static_cast<int>(PlanColumnCount));
  PlanStringGrid->SetFixedCols(0);
  PlanStringGrid->SetDefaultColWidth(17);
  PlanStringGrid->SetAutoWidth(false);
  PlanStringGrid->SetAutoHeight(false);
  PlanStringGrid->SetOptions(PlanStringGrid->Options() | goColSizing | goThumbTracking);
  QFont headings = page->font();
  headings.setPixelSize(11);
  PlanStringGrid->SetFixedFont(headings);
  for (int column = 0; column < static_cast<int>(PlanColumnCount); ++column)
    PlanStringGrid->SetCells(column, 0, PlanHeadings[column]);
  PlanStringGrid->setFixedHeight(PlanStringGrid->DefaultRowHeight() * 8);
  layout->addWidget(PlanStringGrid);
  layout->addSpacing(2);
  FreeBlocksTextBox = AddListResult(page, "FreeBlocksTextBox", "Free Blocks", 4);
  layout->addStretch(1);

  planTimer_ = NewSettleTimer(&TPrefixCalculator::ShowPlan);
  connect(PlanParentEdit, &QLineEdit::textChanged, planTimer_, qOverload<>(&QTimer::start));
  connect(PlanNeedsEdit, &QPlainTextEdit::textChanged, planTimer_, qOverload<>(&QTimer::start));
  ShowPlan();
}

void TPrefixCalculator::ShowPlan() {
  planTimer_->stop();
  const ParsedNeeds needs = ParseNeeds(PlanNeedsEdit->toPlainText().toStdString());
  const Result<AddressInput> parent = ParseAddressInput(PlanParentEdit->text().toStdString());
  QStringList errors;
  if (!parent.Ok() && !PlanParentEdit->text().trimmed().isEmpty())
    errors << "Parent prefix: " + QString::fromStdString(parent.Error);
  for (const LineError& e : needs.Errors) errors << QString::fromStdString(LineErrorText(e));
  PlanErrorsTextBox->setPlainText(errors.isEmpty() ? "none" : errors.join('\n'));

  const HostPlan plan = parent.Ok() ? PlanHosts(InputPrefix(parent.Value), needs.Needs) : HostPlan{};
  // An empty plan keeps one blank row: a grid of its headings alone would no longer keep them fixed.
  PlanStringGrid->SetRowCount(static_cast<int>(std::max<std::size_t>(plan.Rows.size(), 1)) + 1);
  for (std::size_t column = 0; column < PlanColumnCount; ++column) PlanStringGrid->SetCells(static_cast<int>(column), 1, "");
  for (std::size_t row = 0; row < plan.Rows.size(); ++row) {
    const auto texts = PlanRowTexts(plan.Rows[row]);
    for (std::size_t column = 0; column < PlanColumnCount; ++column)
      PlanStringGrid->SetCellsUtf8(static_cast<int>(column), static_cast<int>(row) + 1, texts[column]);
  }
  PlanStringGrid->AutoSizeColumns();
  QStringList free;
  for (const IpPrefix& block : plan.FreeBlocks) free << QString::fromStdString(PrefixText(block));
  FreeBlocksTextBox->setPlainText(free.join('\n'));
}
