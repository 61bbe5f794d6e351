// SPDX-License-Identifier: MIT
// The Split page: the input's prefix split into longer ones, as a table of
// rows made on demand however many there are, with a way to go to any row by
// its number or by an address it holds.
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

#include "controls/ConfirmLargeRange.h"
#include "controls/KestSpinEdit.h"
#include "controls/KestStringGrid.h"
#include "platform/Hint.h"
#include "prefix/PrefixCalculator.h"
#include "prefix/ResultLines.h"
#include "prefix/SplitRows.h"

namespace {
bool AllDigits(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}
}  // namespace

void TPrefixCalculator::CreateSplitPage() {
  QWidget* page = SplitTabSheet;
  auto* layout = static_cast<QVBoxLayout*>(page->layout());

  auto* lengthRow = new QHBoxLayout;
  SplitLengthSpinEdit = new TBetterSpinEdit(page);
  SplitLengthSpinEdit->setObjectName("SplitLengthSpinEdit");
  SplitLengthSpinEdit->setAccessibleName("Subnet Length");
  SplitLengthSpinEdit->SetAlignment(taRightJustify);
  SplitLengthSpinEdit->setFixedWidth(56);
  SplitLengthSpinEdit->SetValue(splitLength_);
  SetHint(SplitLengthSpinEdit, "The length of the subnets the prefix is split into");
  SplitLengthSpinEdit->OnChange = [this](QObject*) {
    if (splitChanging_) return;
    splitLength_ = SplitLengthSpinEdit->Value();
    ShowSplit(splitParent_);
  };
  SplitLengthLabel = NewCaption(page, "Subnet &Length", SplitLengthSpinEdit);
  lengthRow->addWidget(SplitLengthLabel);
  lengthRow->addWidget(SplitLengthSpinEdit);
  lengthRow->addStretch(1);
  layout->addLayout(lengthRow);

  SplitCountTextBox = AddResult(page, "SplitCountTextBox", "Number of Subnets");

  SplitGoToEdit = new QLineEdit(page);
  SplitGoToEdit->setObjectName("SplitGoToEdit");
  SetHint(SplitGoToEdit, "Type a row number or an address in the prefix, then press Enter");
  layout->addWidget(NewCaption(page, "&Go to Row or Address", SplitGoToEdit));
  layout->addWidget(SplitGoToEdit);
  SplitGoToErrorLabel = new QLabel(page);
  SplitGoToErrorLabel->setObjectName("SplitGoToErrorLabel");
  SplitGoToErrorLabel->setWordWrap(true);
  SplitGoToErrorLabel->hide();
  layout->addWidget(SplitGoToErrorLabel);
  connect(SplitGoToEdit, &QLineEdit::returnPressed, this, [this] { SplitGoTo(); });

  SplitStringGrid = new TSuperStringGrid(page);
  SplitStringGrid->setObjectName("SplitStringGrid");
  QFont cells = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  cells.setPointSizeF(std::min(cells.pointSizeF(), 8.0));
  SplitStringGrid->setFont(cells);
  // The row numbers scroll sideways with the rest: 39 digits would leave no room beside them.
  SplitStringGrid->SetDefaultColWidth(17);
  SplitStringGrid->SetDefaultRowHeight(QFontMetrics(cells).height() + 2);
  SplitStringGrid->SetAutoWidth(false);
  SplitStringGrid->SetAutoHeight(false);
  SplitStringGrid->SetOptions(SplitStringGrid->Options() | goColSizing | goThumbTracking);
  SplitStringGrid->setMinimumHeight(80);
  SplitStringGrid->OnCopyQuery = [](QObject*, const TGridRect& copied) {
    return ConfirmLargeCopy(std::int64_t{copied.Bottom} - copied.Top + 1);
  };
  QLabel* gridLabel = NewCaption(page, "&Subnets", SplitStringGrid);
  SplitStringGrid->setAccessibleName("Subnets");
  layout->addWidget(gridLabel);
  layout->addWidget(SplitStringGrid, 1);

  setTabOrder(SplitLengthSpinEdit, SplitGoToEdit);
  setTabOrder(SplitGoToEdit, SplitStringGrid);
}

void TPrefixCalculator::ShowSplit(const IpPrefix& prefix) {
  splitParent_ = prefix;
  const auto width = static_cast<std::int32_t>(FamilyWidth(prefix.Network.Family));
  const std::int32_t shortest = std::min(static_cast<std::int32_t>(prefix.Length) + 1, width);
  {
    // Bounds are moved so that they never cross. The length chosen stays what
    // it was, so that an input passing through other lengths as it is typed
    // does not change it.
    const QScopedValueRollback<bool> quiet(splitChanging_, true);
    SplitLengthSpinEdit->SetMinValue(std::min(SplitLengthSpinEdit->MinValue(), shortest));
    SplitLengthSpinEdit->SetMaxValue(width);
    SplitLengthSpinEdit->SetMinValue(shortest);
    SplitLengthSpinEdit->SetValue(std::clamp(splitLength_, shortest, width));
  }
  const Result<PrefixSplit> made = PrefixSplit::Make(prefix, static_cast<unsigned>(SplitLengthSpinEdit->Value()));
  split_ = made.Value;
  const std::vector<std::string> headings = SplitRows::Headings(prefix.Network.Family);
  SplitStringGrid->SetColCount(static_cast<int>(headings.size()));
  for (std::size_t col = 0; col < headings.size(); ++col) {
    SplitStringGrid->SetColumnAlignment(static_cast<int>(col), col == 0 ? taRightJustify : taLeftJustify);
    SplitStringGrid->SetCellsUtf8(static_cast<int>(col), 0, headings[col]);
  }
  SplitStringGrid->SetRowSource(std::make_shared<TRowSourceOf<SplitRows>>(SplitRows(split_)));
  SplitStringGrid->AutoSizeColumns();
  const PowerOfTwo count = split_.RowCount();
  ShowLines(SplitCountTextBox,
            BreakLines(GroupThousands(count.DecimalText()) + " (" + count.PowerText() + ")", ResultLineWidth, ", "));
  ShowGoToError({});
}

void TPrefixCalculator::SplitGoTo() {
  const std::string typed = SplitGoToEdit->text().trimmed().toStdString();
  std::string error;
  U128 row = 0;
  // Digits alone are a row number; anything else is an address.
  if (AllDigits(typed) || typed.empty()) {
    const Result<U128> number = ParseRowNumber(typed);
    row = number.Value;
    error = number.Error;
    if (number.Ok() && !split_.RowCount().Exceeds(row))
      error = "row " + typed + " is past the last row, " + RowNumberText(SplitRows(split_).LastRow());
  } else {
    const Result<AddressInput> address = ParseAddressInput(typed);
    error = address.Error;
    if (address.Ok()) {
      const std::optional<U128> found = split_.RowOf(address.Value.Address);
      if (found)
        row = *found;
      else
        error = "address " + typed + " is not in " + PrefixText(split_.Parent());
    }
  }
  ShowGoToError(error);
  if (!error.empty()) return;
  const int gridRow = SplitStringGrid->ShowSourceRow(row);
  SplitStringGrid->SetSelection({SplitStringGrid->FixedCols(), gridRow, SplitStringGrid->ColCount() - 1, gridRow});
}

void TPrefixCalculator::ShowGoToError(const std::string& error) {
  const QString text = QString::fromStdString(error);
  SplitGoToErrorLabel->setText(text);
  // Shown only when there is something to say: the table has the room otherwise.
  SplitGoToErrorLabel->setVisible(!text.isEmpty());
  SplitGoToEdit->setAccessibleDescription(text);
}
