// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QTest>
#include <vector>

#include "tests/controls/KestStringGridFixture.h"

namespace {
QPoint Centre(const TSuperStringGrid& grid, TGridCoord cell) { return grid.CellRect(cell.X, cell.Y).center(); }

void Press(TSuperStringGrid& grid, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           Qt::MouseButton button = Qt::LeftButton) {
  QTest::mousePress(grid.viewport(), button, modifiers, at);
}

void Release(TSuperStringGrid& grid, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseRelease(grid.viewport(), button, modifiers, at);
}

void Click(TSuperStringGrid& grid, TGridCoord cell, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  Press(grid, Centre(grid, cell), modifiers);
  Release(grid, Centre(grid, cell), modifiers);
}

// The lookup table: no fixed column.
std::unique_ptr<TSuperStringGrid> NewLookupGrid() {
  auto grid = NewSubnetGrid();
  grid->SetFixedCols(0);
  return grid;
}

TEST(KestStringGridMouse, HeadingClicksSelectRowsColumnsOrEverything) {
  const struct {
    const char* Name;
    bool Lookup;
    TGridCoord Cell;
    TGridRect Selection;
    TGridCoord Anchor;
  } cases[] = {
      {"row heading", false, {0, 2}, {1, 2, 3, 2}, {0, 2}},
      {"column heading", false, {2, 0}, {2, 1, 2, 3}, {2, 0}},
      {"corner", false, {0, 0}, {1, 1, 3, 3}, {0, 0}},
      {"no corner without a fixed column", true, {0, 0}, {0, 1, 0, 3}, {0, 0}},
      {"last column heading without a fixed column", true, {3, 0}, {3, 1, 3, 3}, {3, 0}},
      {"a plain cell", false, {2, 3}, {2, 3, 2, 3}, {0, 0}},
  };
  for (const auto& c : cases) {
    auto grid = c.Lookup ? NewLookupGrid() : NewSubnetGrid();
    Show(*grid);
    const bool heading = c.Cell.X < grid->FixedCols() || c.Cell.Y < grid->FixedRows();
    Press(*grid, Centre(*grid, c.Cell));
    EXPECT_EQ(grid->PressedDrawn(), heading) << c.Name;
    EXPECT_EQ(grid->PressedCell(), heading ? c.Cell : TGridCoord{}) << c.Name;
    Release(*grid, Centre(*grid, c.Cell));
    EXPECT_FALSE(grid->PressedDrawn()) << c.Name;
    EXPECT_EQ(grid->Selection(), c.Selection) << c.Name;
    EXPECT_EQ(grid->SelectAnchor(), c.Anchor) << c.Name;
  }
}

TEST(KestStringGridMouse, ShiftClicksExtendFromTheLastHeading) {
  struct TClick {
    TGridCoord Cell;
    bool Shift;
  };
  const struct {
    const char* Name;
    TGridOptions Removed;
    std::vector<TClick> Clicks;
    TGridRect Selection;
  } cases[] = {
      {"rows downwards", 0, {{{0, 2}, false}, {{0, 4}, true}}, {1, 2, 3, 4}},
      {"rows upwards", 0, {{{0, 4}, false}, {{0, 2}, true}}, {1, 2, 3, 4}},
      {"rows again from the same anchor", 0, {{{0, 3}, false}, {{0, 5}, true}, {{0, 1}, true}}, {1, 1, 3, 3}},
      {"never above the fixed rows", 0, {{{0, 0}, false}, {{0, 2}, true}}, {1, 1, 3, 2}},
      {"columns", 0, {{{1, 0}, false}, {{3, 0}, true}}, {1, 1, 3, 5}},
      {"a row after a column does not extend", 0, {{{2, 0}, false}, {{0, 4}, true}}, {1, 4, 3, 4}},
      {"not without range selection", goRangeSelect, {{{0, 2}, false}, {{0, 4}, true}}, {1, 4, 3, 4}},
  };
  for (const auto& c : cases) {
    auto grid = NewSubnetGrid(5);
    grid->SetOptions(grid->Options() & ~c.Removed);
    Show(*grid);
    for (const TClick& click : c.Clicks) Click(*grid, click.Cell, click.Shift ? Qt::ShiftModifier : Qt::NoModifier);
    EXPECT_EQ(grid->Selection(), c.Selection) << c.Name;
  }
}

TEST(KestStringGridMouse, ReleasingOffTheHeadingSelectsNothing) {
  auto grid = NewSubnetGrid();
  Show(*grid);
  const TGridRect before = grid->Selection();
  const QPoint heading = Centre(*grid, {0, 2});
  const QPoint elsewhere = Centre(*grid, {2, 3});

  Press(*grid, heading);
  QTest::mouseMove(grid->viewport(), elsewhere);
  EXPECT_FALSE(grid->PressedDrawn());
  Release(*grid, elsewhere);
  EXPECT_EQ(grid->Selection(), before);

  Press(*grid, heading);
  QTest::mouseMove(grid->viewport(), elsewhere);
  QTest::mouseMove(grid->viewport(), heading);
  EXPECT_TRUE(grid->PressedDrawn());
  Release(*grid, heading);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 2, 3, 2}));
}

TEST(KestStringGridMouse, OnlyTheReleaseEndingAHeadingPressSelects) {
  auto grid = NewSubnetGrid();
  Show(*grid);
  Click(*grid, {0, 2});
  grid->SetSelection({3, 3, 3, 3});
  Press(*grid, Centre(*grid, {0, 2}), Qt::NoModifier, Qt::RightButton);
  Release(*grid, Centre(*grid, {0, 2}), Qt::NoModifier, Qt::RightButton);
  EXPECT_EQ(grid->Selection(), (TGridRect{3, 3, 3, 3}));
}

TEST(KestStringGridMouse, BordersStayForSizing) {
  enum TWhere { Middle, NearTop, NearBottom, NearLeft, NearRight };
  const struct {
    const char* Name;
    TGridOptions Sizing;
    TGridCoord Cell;
    TWhere Where;
    bool Heading;
  } cases[] = {
      {"row middle", goRowSizing, {0, 2}, Middle, true},
      {"row bottom border", goRowSizing, {0, 2}, NearBottom, false},
      {"row top border", goRowSizing, {0, 2}, NearTop, false},
      {"first row top border", goRowSizing, {0, 1}, NearTop, true},
      {"row border without row sizing", 0, {0, 2}, NearBottom, true},
      {"column middle", goColSizing, {2, 0}, Middle, true},
      {"column right border", goColSizing, {2, 0}, NearRight, false},
      {"column left border", goColSizing, {2, 0}, NearLeft, false},
      {"first column left border", goColSizing, {1, 0}, NearLeft, true},
      {"first column right border", goColSizing, {1, 0}, NearRight, false},
      {"column border without column sizing", 0, {2, 0}, NearRight, true},
  };
  for (const auto& c : cases) {
    auto grid = NewSubnetGrid();
    grid->SetOptions(grid->Options() | c.Sizing);
    Show(*grid);
    const QRect cell = grid->CellRect(c.Cell.X, c.Cell.Y);
    QPoint at = cell.center();
    if (c.Where == NearTop) at.setY(cell.top() + 1);
    if (c.Where == NearBottom) at.setY(cell.bottom() - 1);
    if (c.Where == NearLeft) at.setX(cell.left() + 1);
    if (c.Where == NearRight) at.setX(cell.right() - 1);
    Press(*grid, at);
    EXPECT_EQ(grid->PressedCell(), c.Heading ? c.Cell : TGridCoord{}) << c.Name;
    Release(*grid, at);
  }
}

TEST(KestStringGridMouse, DraggingABorderSizesTheColumn) {
  auto grid = NewSubnetGrid();
  grid->SetOptions(grid->Options() | goColSizing);
  Show(*grid);
  const QRect cell = grid->CellRect(2, 0);
  const int border = cell.left() + cell.width();
  Press(*grid, {border, cell.center().y()});
  QTest::mouseMove(grid->viewport(), {border + 30, cell.center().y()});
  Release(*grid, {border + 30, cell.center().y()});
  EXPECT_EQ(grid->ColWidths(2), cell.width() + 30);
}

TEST(KestStringGridMouse, DraggingAHeadingMovesTheColumnAndItsAlignment) {
  auto grid = NewSubnetGrid();
  grid->SetOptions(grid->Options() | goColMoving);
  grid->SetColumnAlignment(1, taRightJustify);
  Show(*grid);
  Press(*grid, Centre(*grid, {1, 0}));
  QTest::mouseMove(grid->viewport(), Centre(*grid, {3, 0}));
  EXPECT_TRUE(grid->PressedDrawn());  // held while moving
  Release(*grid, Centre(*grid, {3, 0}));
  EXPECT_EQ(RowText(*grid, 0), "#|Host Range|Subnet Broadcast|Subnet ID");
  EXPECT_EQ(grid->ColumnAlignment(3), taRightJustify);
  EXPECT_EQ(grid->ColumnAlignment(1), taLeftJustify);
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1}));  // released off the heading
}

TEST(KestStringGridMouse, DraggingOverCellsSelectsThem) {
  auto grid = NewSubnetGrid(5);
  Show(*grid);
  Press(*grid, Centre(*grid, {3, 4}));
  QTest::mouseMove(grid->viewport(), Centre(*grid, {1, 2}));
  Release(*grid, Centre(*grid, {1, 2}));
  EXPECT_EQ(grid->Selection(), (TGridRect{1, 2, 3, 4}));
  Click(*grid, {2, 5}, Qt::ShiftModifier);
  EXPECT_EQ(grid->Selection(), (TGridRect{2, 4, 3, 5}));
}

TEST(KestStringGridMouse, KeysMoveTheCurrentCell) {
  const struct {
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    TGridRect Selection;
  } cases[] = {
      {Qt::Key_Down, Qt::NoModifier, {2, 3, 2, 3}},
      {Qt::Key_Up, Qt::NoModifier, {2, 1, 2, 1}},
      {Qt::Key_Left, Qt::NoModifier, {1, 2, 1, 2}},
      {Qt::Key_Right, Qt::ShiftModifier, {2, 2, 3, 2}},
      {Qt::Key_Down, Qt::ShiftModifier, {2, 2, 2, 3}},
      {Qt::Key_Home, Qt::NoModifier, {1, 2, 1, 2}},
      {Qt::Key_End, Qt::ControlModifier, {3, 200, 3, 200}},
      {Qt::Key_Home, Qt::ControlModifier | Qt::ShiftModifier, {1, 1, 2, 2}},
  };
  for (const auto& c : cases) {
    auto grid = NewSubnetGrid(200);
    Show(*grid);
    grid->SetSelection({2, 2, 2, 2});
    QTest::keyClick(grid.get(), c.Key, c.Modifiers);
    EXPECT_EQ(grid->Selection(), c.Selection) << c.Key;
    EXPECT_FALSE(grid->CellRect(grid->Col(), grid->Row()).isNull()) << c.Key;  // scrolled into view
  }
}
}  // namespace
