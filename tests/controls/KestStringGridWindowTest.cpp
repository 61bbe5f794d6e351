// SPDX-License-Identifier: MIT
// A row source of more rows than the grid numbers, 2^128 of them, shown
// through its window: every row reachable by keys, scroll bar and number,
// read, selected and copied as it is.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QScrollBar>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "platform/Clipboard.h"
#include "tests/controls/KestStringGridFixture.h"

namespace {
constexpr TGridRowNumber Last = ~TGridRowNumber{0};
const TGridRowNumber Deep = (TGridRowNumber{1} << 64) + 4;

std::string Hex(TGridRowNumber n) {
  std::string digits;
  do digits.insert(digits.begin(), "0123456789abcdef"[static_cast<unsigned>(n & 15)]);
  while (n >>= 4);
  return digits;
}

// Column 0 holds the row's number in hexadecimal, column 1 the same with an "x".
class TEveryRow : public TGridRowSource {
 public:
  explicit TEveryRow(TGridRowNumber last = Last) : FLast(last) {}
  TGridRowNumber LastRow() const override { return FLast; }
  void AppendText(TGridRowNumber row, int col, std::string& out) const override {
    out += (col == 1 ? "x" : "") + Hex(row);
  }
  std::vector<std::string> WidestTexts(int) const override { return {Hex(FLast)}; }

 private:
  TGridRowNumber FLast;
};

std::unique_ptr<TSuperStringGrid> NewHugeGrid() {
  auto grid = NewSubnetGrid(1);
  grid->SetColCount(2);
  grid->SetAutoHeight(false);
  grid->SetRowSource(std::make_shared<TEveryRow>());
  Show(*grid, {300, 200});
  return grid;
}

TGridRowNumber CurrentRow(const TSuperStringGrid& grid) { return grid.SourceRow(grid.Row()); }
TGridRowNumber TopRow(const TSuperStringGrid& grid) { return grid.SourceRow(grid.TopRow()); }

TEST(KestStringGridWindow, KeysReachEveryRowByRowsExactly) {
  auto grid = NewHugeGrid();
  ASSERT_EQ(grid->RowCount(), 1 + TStringGrid::WindowRows);
  EXPECT_EQ(RowText(*grid, 1), "0|x0");
  const auto page = static_cast<TGridRowNumber>(grid->verticalScrollBar()->pageStep());
  struct Step {
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    TGridRowNumber Row;
  };
  const Step steps[] = {
      {Qt::Key_Down, Qt::NoModifier, 1},       {Qt::Key_PageDown, Qt::NoModifier, 1 + page},
      {Qt::Key_End, Qt::ControlModifier, Last}, {Qt::Key_Up, Qt::NoModifier, Last - 1},
      {Qt::Key_Down, Qt::NoModifier, Last},    {Qt::Key_PageDown, Qt::NoModifier, Last},
      {Qt::Key_Home, Qt::ControlModifier, 0},   {Qt::Key_PageUp, Qt::NoModifier, 0},
  };
  for (const Step& s : steps) {
    QTest::keyClick(grid.get(), s.Key, s.Modifiers);
    SCOPED_TRACE(Hex(s.Row));
    EXPECT_EQ(CurrentRow(*grid), s.Row);
    EXPECT_EQ(grid->Cells(1, grid->Row()).toStdString(), "x" + Hex(s.Row));
    EXPECT_FALSE(grid->CellRect(1, grid->Row()).isNull()) << "in view";
  }
}

TEST(KestStringGridWindow, ScrollBarEndsAreTheFirstAndLastRowsAndItsStepsRows) {
  auto grid = NewHugeGrid();
  QScrollBar* bar = grid->verticalScrollBar();
  bar->setValue(bar->maximum());
  const int lastGridRow = grid->RowCount() - 1;
  EXPECT_EQ(grid->SourceRow(lastGridRow), Last);
  EXPECT_FALSE(grid->CellRect(1, lastGridRow).isNull()) << "the last row in view";
  EXPECT_EQ(TopRow(*grid), Last - static_cast<TGridRowNumber>(lastGridRow - grid->TopRow()));
  bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(grid->SourceRow(lastGridRow), Last) << "the window stays";
  EXPECT_EQ(grid->Cells(0, grid->TopRow() + 1).toStdString(), Hex(TopRow(*grid) + 1));
  const TGridRowNumber before = TopRow(*grid);
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(TopRow(*grid), before + 1);
  bar->setValue(bar->maximum() / 2);
  EXPECT_GT(TopRow(*grid), Last / 4);
  EXPECT_LT(TopRow(*grid), Last / 4 * 3);
  EXPECT_EQ(grid->Cells(0, grid->TopRow()).toStdString(), Hex(TopRow(*grid)));
  bar->setValue(bar->minimum());
  EXPECT_EQ(TopRow(*grid), 0u);
  EXPECT_EQ(grid->TopRow(), 1);
}

TEST(KestStringGridWindow, ADeepRowIsShownSelectedReadAndCopied) {
  auto grid = NewHugeGrid();
  const int row = grid->ShowSourceRow(Deep);
  EXPECT_EQ(grid->Row(), row);
  EXPECT_EQ(grid->Cells(1, row).toStdString(), "x" + Hex(Deep));
  EXPECT_FALSE(grid->CellRect(1, row).isNull());

  QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(grid.get())->tableInterface();
  EXPECT_EQ(table->rowCount(), grid->RowCount());
  EXPECT_EQ(table->cellAt(row, 1)->text(QAccessible::Name).toStdString(), "x" + Hex(Deep));

  grid->SetSelection({1, row, 1, row + 1});
  ClipboardSetText("before");
  grid->CopyToClipboard();
  EXPECT_EQ(ClipboardText().toStdString(),
            "#\tSubnet ID\r\n" + Hex(Deep) + "\tx" + Hex(Deep) + "\r\n" + Hex(Deep + 1) + "\tx" + Hex(Deep + 1) + "\r\n");

  grid->OnCopyQuery = [](QObject*, const TGridRect& copied) { return copied.Bottom == copied.Top; };
  ClipboardSetText("before");
  grid->CopyToClipboard();
  EXPECT_EQ(ClipboardText(), "before") << "a copy the query declines";
}

TEST(KestStringGridWindow, ASmallSourceAfterAHugeOneScrollsByRowsAgain) {
  auto grid = NewHugeGrid();
  grid->ShowSourceRow(Deep);
  grid->SetRowSource(std::make_shared<TEveryRow>(99));
  ASSERT_EQ(grid->RowCount(), 101);
  EXPECT_EQ(grid->TopRow(), 1);
  grid->SetTopRow(50);
  EXPECT_EQ(grid->verticalScrollBar()->value(), 50);
  EXPECT_EQ(grid->TopRow(), 50);
}
}  // namespace
