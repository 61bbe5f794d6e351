// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QAccessible>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Clipboard.h"
#include "tests/controls/KestStringGridFixture.h"

namespace {
const QString Untouched = "clipboard before";

TEST(KestStringGrid, Defaults) {
  TSuperStringGrid grid;
  EXPECT_TRUE(grid.AutoHeight());
  EXPECT_TRUE(grid.AutoWidth());
  EXPECT_EQ(grid.EditModes(), TEditModes{emCopy});
  EXPECT_EQ(grid.CopyModes(), TCopyModes{cmFixedCols | cmFixedRows});
  EXPECT_EQ(grid.DefaultRowHeight(), 17);
  EXPECT_EQ(grid.RowHeights(3), 17);
  EXPECT_EQ(grid.FixedCols(), 0);
  EXPECT_EQ(grid.FixedRows(), 1);
  EXPECT_TRUE(grid.ParentFixedFont());
  EXPECT_EQ(grid.size(), QSize(345, 105));
  EXPECT_EQ(grid.Options(), TGridOptions{goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect |
                                         goDrawFocusSelected});
  EXPECT_EQ(grid.Col(), 0);
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_EQ(grid.SelectAnchor(), (TGridCoord{0, 0}));
  EXPECT_EQ(grid.PressedCell(), (TGridCoord{-1, -1}));
  for (int col = 0; col < grid.ColCount(); ++col) EXPECT_EQ(grid.ColumnAlignment(col), taLeftJustify);
}

TEST(KestStringGrid, CopiesTheSelectionAsTabSeparatedLines) {
  const struct {
    const char* Name;
    TGridRect Selection;
    TCopyModes Modes;
    const char* Expected;
  } cases[] = {
      {"rows 2 to 3", {1, 2, 3, 3}, cmFixedCols | cmFixedRows,
       "#\tSubnet ID\tHost Range\tSubnet Broadcast\r\n"
       "2\t128.15.2.0\t128.15.2.1 - 128.15.2.254\t128.15.2.255\r\n"
       "3\t128.15.3.0\t128.15.3.1 - 128.15.3.254\t128.15.3.255\r\n"},
      {"nothing chosen: the current cell", {1, 1, 1, 1}, cmFixedCols | cmFixedRows,
       "#\tSubnet ID\r\n1\t128.15.1.0\r\n"},
      {"entire columns without headings", {3, 2, 3, 2}, cmEntireCols,
       "128.15.1.255\r\n128.15.2.255\r\n128.15.3.255\r\n"},
  };
  for (const auto& c : cases) {
    auto grid = NewSubnetGrid();
    grid->SetCopyModes(c.Modes);
    grid->SetSelection(c.Selection);
    ClipboardSetText(Untouched);
    grid->CopyToClipboard();
    EXPECT_EQ(ClipboardText(), QString(c.Expected)) << c.Name;
    ClipboardSetText(Untouched);
    grid->copy();
    EXPECT_EQ(ClipboardText(), QString(c.Expected)) << c.Name;
  }
}

TEST(KestStringGrid, ClipboardRequestsFollowEditModesAndEditing) {
  const QString rows23 =
      "#\tSubnet ID\tHost Range\r\n2\t128.15.2.0\t128.15.2.1 - 128.15.2.254\r\n"
      "3\t128.15.3.0\t128.15.3.1 - 128.15.3.254\r\n";
  const QString fullRow2 = "2|128.15.2.0|128.15.2.1 - 128.15.2.254|128.15.2.255";
  const QString fullRow3 = "3|128.15.3.0|128.15.3.1 - 128.15.3.254|128.15.3.255";
  const struct {
    const char* Name;
    TEditModes Modes;
    bool Editing;
    void (TSuperStringGrid::*Request)();
    QString Clipboard;
    QString Row2;
    QString Row3;
  } cases[] = {
      {"copy without emCopy", emCut | emClear | emPaste, true, &TSuperStringGrid::copy, Untouched, fullRow2, fullRow3},
      {"cut without goEditing copies only", emCut, false, &TSuperStringGrid::cut, rows23, fullRow2, fullRow3},
      {"cut with goEditing clears the copied cells", emCut, true, &TSuperStringGrid::cut, rows23,
       "2|||128.15.2.255", "3|||128.15.3.255"},
      {"cut without emCut", emCopy | emClear, true, &TSuperStringGrid::cut, Untouched, fullRow2, fullRow3},
      {"clear", emClear, false, &TSuperStringGrid::clear, Untouched, "2|||128.15.2.255", "3|||128.15.3.255"},
      {"clear without emClear", emCopy | emCut, true, &TSuperStringGrid::clear, Untouched, fullRow2, fullRow3},
      {"paste changes nothing", emClear | emCopy | emCut | emPaste, true, &TSuperStringGrid::paste, Untouched,
       fullRow2, fullRow3},
  };
  for (const auto& c : cases) {
    auto grid = NewSubnetGrid();
    grid->SetEditModes(c.Modes);
    if (c.Editing) grid->SetOptions(grid->Options() | goEditing);
    grid->SetSelection({1, 2, 2, 3});
    ClipboardSetText(Untouched);
    ((*grid).*c.Request)();
    EXPECT_EQ(ClipboardText(), c.Clipboard) << c.Name;
    EXPECT_EQ(RowText(*grid, 0), "#|Subnet ID|Host Range|Subnet Broadcast") << c.Name;
    EXPECT_EQ(RowText(*grid, 1), "1|128.15.1.0|128.15.1.1 - 128.15.1.254|128.15.1.255") << c.Name;
    EXPECT_EQ(RowText(*grid, 2), c.Row2) << c.Name;
    EXPECT_EQ(RowText(*grid, 3), c.Row3) << c.Name;
  }
}

TEST(KestStringGrid, ShortcutsPostTheirRequest) {
  const QString cell = "#\tSubnet ID\r\n1\t128.15.1.0\r\n";
  const QString fullRow = "1|128.15.1.0|128.15.1.1 - 128.15.1.254|128.15.1.255";
  const struct {
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    QString Clipboard;
    QString Row1;
  } cases[] = {
      {Qt::Key_Delete, Qt::NoModifier, Untouched, "1||128.15.1.1 - 128.15.1.254|128.15.1.255"},
      {Qt::Key_C, Qt::ControlModifier, cell, fullRow},
      {Qt::Key_X, Qt::ControlModifier, cell, "1||128.15.1.1 - 128.15.1.254|128.15.1.255"},
      {Qt::Key_P, Qt::ControlModifier, Untouched, fullRow},
      {Qt::Key_V, Qt::ControlModifier, Untouched, fullRow},
      {Qt::Key_C, Qt::NoModifier, Untouched, fullRow},
  };
  for (const auto& c : cases) {
    auto grid = NewSubnetGrid();
    grid->SetEditModes(emClear | emCopy | emCut | emPaste);
    grid->SetOptions(grid->Options() | goEditing);
    ClipboardSetText(Untouched);
    QTest::keyClick(grid.get(), c.Key, c.Modifiers);
    // Posted: nothing has happened yet.
    EXPECT_EQ(ClipboardText(), Untouched) << c.Key;
    EXPECT_EQ(RowText(*grid, 1), fullRow) << c.Key;
    QApplication::processEvents();
    EXPECT_EQ(ClipboardText(), c.Clipboard) << c.Key;
    EXPECT_EQ(RowText(*grid, 1), c.Row1) << c.Key;
  }
}

TEST(KestStringGrid, RaisesCountChangesAfterTheChange) {
  const struct {
    const char* Name;
    int Cols, Rows;
    std::vector<std::string> Events;
  } cases[] = {
      {"more columns", 6, 4, {"cols 4 -> 6"}},
      {"more rows", 4, 9, {"rows 4 -> 9"}},
      {"both", 2, 2, {"cols 4 -> 2", "rows 4 -> 2"}},
      {"unchanged", 4, 4, {}},
      {"nothing left but one", 0, 0, {"cols 4 -> 1", "rows 4 -> 1"}},
  };
  for (const auto& c : cases) {
    auto grid = NewSubnetGrid();
    grid->SetColumnAlignment(1, taCenter);
    std::vector<std::string> events;
    grid->OnColCountChange = [&](QObject* sender, int oldCount) {
      EXPECT_EQ(sender, grid.get());
      events.push_back("cols " + std::to_string(oldCount) + " -> " + std::to_string(grid->ColCount()));
    };
    grid->OnRowCountChange = [&](QObject*, int oldCount) {
      events.push_back("rows " + std::to_string(oldCount) + " -> " + std::to_string(grid->RowCount()));
    };
    grid->SetColCount(c.Cols);
    grid->SetRowCount(c.Rows);
    EXPECT_EQ(events, c.Events) << c.Name;
    EXPECT_EQ(grid->FixedCols(), std::min(1, grid->ColCount() - 1)) << c.Name;
    EXPECT_EQ(grid->FixedRows(), std::min(1, grid->RowCount() - 1)) << c.Name;
    if (grid->ColCount() > 1) {
      EXPECT_EQ(grid->ColumnAlignment(1), taCenter) << c.Name;
    }
    for (int col = 2; col < grid->ColCount(); ++col) EXPECT_EQ(grid->ColumnAlignment(col), taLeftJustify) << c.Name;
  }
}

TEST(KestStringGrid, AlignmentsMoveWithTheirColumns) {
  const struct {
    int From, To;
    std::vector<TAlignment> Expected;
    const char* Row1;
  } cases[] = {
      {1, 3, {taLeftJustify, taCenter, taLeftJustify, taRightJustify}, "1|128.15.1.1 - 128.15.1.254|128.15.1.255|128.15.1.0"},
      {3, 1, {taLeftJustify, taLeftJustify, taRightJustify, taCenter}, "1|128.15.1.255|128.15.1.0|128.15.1.1 - 128.15.1.254"},
      {0, 2, {taRightJustify, taCenter, taLeftJustify, taLeftJustify}, "128.15.1.0|128.15.1.1 - 128.15.1.254|1|128.15.1.255"},
      {2, 2, {taLeftJustify, taRightJustify, taCenter, taLeftJustify}, "1|128.15.1.0|128.15.1.1 - 128.15.1.254|128.15.1.255"},
  };
  for (const auto& c : cases) {
    auto grid = NewSubnetGrid();
    grid->SetColumnAlignment(1, taRightJustify);
    grid->SetColumnAlignment(2, taCenter);
    grid->SetColumnAlignment(-1, taCenter);
    grid->SetColumnAlignment(4, taCenter);
    grid->MoveColumn(c.From, c.To);
    for (int col = 0; col < 4; ++col) EXPECT_EQ(grid->ColumnAlignment(col), c.Expected[col]) << c.From << "->" << c.To;
    EXPECT_EQ(RowText(*grid, 1), c.Row1);
  }
}

// Where DrawCell put each cell's text, as the draw-cell event reports it.
std::map<std::pair<int, int>, QRect> DrawnTextRects(TSuperStringGrid& grid) {
  std::map<std::pair<int, int>, QRect> rects;
  grid.OnDrawCell = [&](QObject*, int col, int row, const QRect& rect, TGridDrawState) { rects[{col, row}] = rect; };
  grid.grab();
  grid.OnDrawCell = nullptr;
  return rects;
}

TEST(KestStringGrid, PlacesTextByAlignment) {
  const QString wide = "a text much wider than its column";
  const struct {
    const char* Name;
    TAlignment Alignment;
    int Row;  // 1: a short text; 2: one wider than the column
    bool Fixed;
  } cases[] = {
      {"left", taLeftJustify, 1, false},  {"right", taRightJustify, 1, false}, {"centre", taCenter, 1, false},
      {"wide left", taLeftJustify, 2, false}, {"wide right", taRightJustify, 2, false},
      {"wide centre", taCenter, 2, false}, {"heading right-aligned column", taRightJustify, 0, true},
  };
  for (const auto& c : cases) {
    TSuperStringGrid grid;
    grid.SetColCount(2);
    grid.SetRowCount(3);
    grid.SetAutoWidth(false);
    grid.SetAutoHeight(false);
    grid.SetColWidths(1, 80);
    grid.SetCells(1, 0, "Title");
    grid.SetCells(1, 1, "12");
    grid.SetCells(1, 2, wide);
    grid.SetColumnAlignment(1, c.Alignment);
    Show(grid);
    const QRect cell = grid.CellRect(1, c.Row);
    const QRect text = DrawnTextRects(grid)[{1, c.Row}];
    const QFont font = c.Fixed ? grid.FixedFont() : grid.font();
    const QFontMetrics metrics(font, &grid);
    const int width = std::min(metrics.horizontalAdvance(grid.Cells(1, c.Row)), cell.width() - 4);
    EXPECT_EQ(text.width(), width) << c.Name;
    EXPECT_EQ(text.height(), std::min(metrics.height(), cell.height() - 2)) << c.Name;
    EXPECT_EQ(text.top(), cell.top() + (cell.height() - text.height()) / 2) << c.Name;
    const TAlignment placed = c.Fixed ? taCenter : c.Alignment;
    if (c.Row == 2) {
      EXPECT_EQ(text.left(), cell.left() + 2) << c.Name;  // cut off 2 pixels inside the right border
      EXPECT_EQ(text.left() + text.width(), cell.left() + cell.width() - 2) << c.Name;
    } else if (placed == taLeftJustify) {
      EXPECT_EQ(text.left(), cell.left() + 2) << c.Name;
    } else if (placed == taRightJustify) {
      EXPECT_EQ(text.left() + text.width(), cell.left() + cell.width() - 2) << c.Name;
    } else {
      EXPECT_EQ(text.left(), cell.left() + (cell.width() - width) / 2) << c.Name;
    }
  }
}

TEST(KestStringGrid, GrowsRowsAndColumnsToWhatItDraws) {
  QFont big;
  big.setPixelSize(30);
  const struct {
    const char* Name;
    bool AutoWidth, AutoHeight;
  } cases[] = {{"both", true, true}, {"width only", true, false}, {"height only", false, true}, {"neither", false, false}};
  for (const auto& c : cases) {
    TSuperStringGrid grid;
    grid.setFont(big);
    grid.SetAutoWidth(c.AutoWidth);
    grid.SetAutoHeight(c.AutoHeight);
    grid.SetCells(1, 1, "a text wider than 64 pixels");
    grid.SetCells(2, 1, "ab");
    grid.SetColWidths(3, 200);
    grid.SetCells(3, 1, "ab");
    Show(grid);
    grid.grab();
    const QFontMetrics metrics(big, &grid);
    const int wide = metrics.horizontalAdvance("a text wider than 64 pixels") + 4;
    EXPECT_EQ(grid.ColWidths(1), c.AutoWidth ? wide : 64) << c.Name;
    EXPECT_EQ(grid.ColWidths(2), 64) << c.Name;   // already wide enough
    EXPECT_EQ(grid.ColWidths(3), 200) << c.Name;  // never narrowed
    EXPECT_EQ(grid.RowHeights(1), c.AutoHeight ? metrics.height() + 2 : 17) << c.Name;
    EXPECT_EQ(grid.RowHeights(2), 17) << c.Name;  // nothing drawn in it
  }
}

TEST(KestStringGrid, CellColoursFollowTheSelection) {
  auto grid = NewSubnetGrid();
  grid->SetSelection({2, 2, 3, 3});
  std::map<std::pair<int, int>, QColor> colours;
  grid->OnGetCellFont = [&](QObject*, TCellFont& font, int col, int row) { colours[{col, row}] = font.Color; };
  Show(*grid);
  grid->grab();
  const QPalette& palette = grid->palette();
  ASSERT_NE(palette.color(QPalette::Text), palette.color(QPalette::HighlightedText));
  EXPECT_EQ((colours[{2, 2}]), palette.color(QPalette::HighlightedText));
  EXPECT_EQ((colours[{3, 3}]), palette.color(QPalette::HighlightedText));
  EXPECT_EQ((colours[{1, 2}]), palette.color(QPalette::Text));
  EXPECT_EQ((colours[{0, 2}]), palette.color(QPalette::Text));
  EXPECT_EQ((colours[{2, 0}]), palette.color(QPalette::Text));
}

TEST(KestStringGrid, HeadingsAreDrawnInTheFixedFontNotTheCellFont) {
  // The heading font sets only a size, as a page's font with another size does.
  QFont cells("DejaVu Sans Mono");
  cells.setPixelSize(13);
  QFont headings;
  headings.setPixelSize(11);
  const QString heading = "Hexadecimal";
  // How many columns of pixels the ink of a text spans in `area`.
  auto inkedColumns = [&heading](const QImage& image, const QRect& area) {
    int first = area.right() + 1;
    int last = area.left() - 1;
    for (int x = area.left(); x <= area.right(); ++x)
      for (int y = area.top(); y <= area.bottom(); ++y)
        if (qGray(image.pixel(x, y)) < 128) {
          first = std::min(first, x);
          last = std::max(last, x);
        }
    return last - first + 1;
  };
  QImage alone(200, 40, QImage::Format_RGB32);
  alone.fill(Qt::white);
  {
    QPainter painter(&alone);
    QFont exact = headings;
    exact.setResolveMask(QFont::AllPropertiesResolved);
    painter.setFont(exact);
    painter.setPen(Qt::black);
    painter.drawText(10, 25, heading);
  }
  TSuperStringGrid grid;
  grid.setFont(cells);
  grid.SetFixedFont(headings);
  grid.SetFixedCols(0);
  grid.SetCells(0, 0, heading);
  grid.AutoSizeColumns();
  Show(grid);
  const QImage drawn = grid.viewport()->grab().toImage();
  const QRect cell = grid.CellRect(0, 0).adjusted(1, 1, -2, -2);  // inside the grid lines
  EXPECT_EQ(inkedColumns(drawn, cell), inkedColumns(alone, alone.rect()));
}

TEST(KestStringGrid, FixedFontFollowsTheParentUntilSet) {
  QWidget other;
  QWidget parent;
  QFont first;
  first.setPixelSize(21);
  parent.setFont(first);
  TSuperStringGrid grid(&parent);
  EXPECT_EQ(grid.FixedFont().pixelSize(), 21);
  QFont second;
  second.setPixelSize(23);
  parent.setFont(second);
  EXPECT_EQ(grid.FixedFont().pixelSize(), 23);

  QFont own;
  own.setPixelSize(11);
  grid.SetFixedFont(own);
  EXPECT_FALSE(grid.ParentFixedFont());
  parent.setFont(first);
  EXPECT_EQ(grid.FixedFont().pixelSize(), 11);

  grid.SetParentFixedFont(true);
  EXPECT_EQ(grid.FixedFont().pixelSize(), 21);

  other.setFont(second);
  grid.setParent(&other);
  EXPECT_EQ(grid.FixedFont().pixelSize(), 23);
  parent.setFont(own);
  EXPECT_EQ(grid.FixedFont().pixelSize(), 23);  // no longer its parent
}

TEST(KestStringGrid, BulkWritesReadBackThroughEitherInterface) {
  TSuperStringGrid grid;
  grid.SetColCount(3);
  grid.SetRowCount(4);
  grid.SetRowUtf8(1, {"10.0.0.4", "Gr\xC3\xB6\xC3\x9F" "e", ""});
  grid.SetRowUtf8(2, {"only the first"});
  grid.SetCells(1, 3, QString::fromUtf8("\xC2\xB5s"));
  grid.SetRowUtf8(5, {"outside"});
  EXPECT_EQ(RowText(grid, 1), QString::fromUtf8("10.0.0.4|Gr\xC3\xB6\xC3\x9F" "e|"));
  EXPECT_EQ(RowText(grid, 2), "only the first||");
  EXPECT_EQ(grid.CellsUtf8(1, 3), "\xC2\xB5s");
  EXPECT_EQ(grid.Cells(1, 9), "");
}

TEST(KestStringGrid, HoldsTheLargestTablesInUnderAHundredBytesARow) {
  TSuperStringGrid grid;
  grid.SetColCount(4);
  const int rows = 300000;
  grid.SetRowCount(rows + 1);
  for (int n = 1; n <= rows; ++n) {
    const std::string net = "10." + std::to_string(n >> 14) + "." + std::to_string((n >> 6) & 255) + ".";
    const std::string id = net + std::to_string((n & 63) * 4);
    const std::string range = net + std::to_string((n & 63) * 4 + 1) + " - " + net + std::to_string((n & 63) * 4 + 2);
    grid.SetRowUtf8(n, {std::to_string(n), id, range, net + std::to_string((n & 63) * 4 + 3)});
  }
  EXPECT_LT(grid.CellBytes() / static_cast<std::size_t>(rows), 100u);
  EXPECT_EQ(grid.Cells(2, rows), "10.18.79.129 - 10.18.79.130");
}

TEST(KestStringGrid, IsATableForAssistiveTechnology) {
  auto grid = NewSubnetGrid();
  grid->setAccessibleName("Subnets");
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid.get());
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->role(), QAccessible::Table);
  EXPECT_EQ(table->text(QAccessible::Name), "Subnets");
  QAccessibleTableInterface* cells = table->tableInterface();
  ASSERT_NE(cells, nullptr);
  EXPECT_EQ(cells->rowCount(), 4);
  EXPECT_EQ(cells->columnCount(), 4);
  EXPECT_EQ(table->childCount(), 16);
  EXPECT_EQ(cells->cellAt(2, 2)->text(QAccessible::Name), "128.15.2.1 - 128.15.2.254");
  EXPECT_EQ(cells->cellAt(0, 1)->role(), QAccessible::ColumnHeader);
  EXPECT_EQ(cells->cellAt(3, 0)->role(), QAccessible::RowHeader);
  EXPECT_EQ(cells->cellAt(3, 1)->role(), QAccessible::Cell);
  EXPECT_EQ(table->indexOfChild(cells->cellAt(3, 1)), 13);
  EXPECT_EQ(table->child(13), cells->cellAt(3, 1));
  QAccessibleTableCellInterface* cell = cells->cellAt(2, 3)->tableCellInterface();
  ASSERT_NE(cell, nullptr);
  ASSERT_EQ(cell->columnHeaderCells().size(), 1);
  EXPECT_EQ(cell->columnHeaderCells()[0]->text(QAccessible::Name), "Subnet Broadcast");
  EXPECT_EQ(cell->rowHeaderCells()[0]->text(QAccessible::Name), "2");

  grid->SetSelection({1, 2, 3, 2});
  EXPECT_TRUE(cells->isRowSelected(2));
  EXPECT_TRUE(cell->isSelected());
  EXPECT_EQ(cells->selectedCellCount(), 3);
  EXPECT_TRUE(cells->selectColumn(2));
  EXPECT_EQ(grid->Selection(), (TGridRect{2, 1, 2, 3}));
  grid->SetCells(2, 1, "changed");
  EXPECT_EQ(cells->cellAt(1, 2)->text(QAccessible::Name), "changed");
  grid->SetRowCount(2);
  EXPECT_EQ(cells->rowCount(), 2);
  EXPECT_EQ(cells->cellAt(3, 1), nullptr);
}
// Rows as a function of their number: the last of 4,194,304 rows is read,
// copied and reported like a stored one, the columns fit the widest texts the
// source names, and no text is held per row.
TEST(KestStringGrid, TakesItsRowsFromARowSource) {
  class TNumbers : public TGridRowSource {
   public:
    TGridRowNumber LastRow() const override { return 4194303; }
    void AppendText(TGridRowNumber row, int col, std::string& out) const override {
      out += (col == 0 ? "" : col == 1 ? "x" : "y") + std::to_string(static_cast<std::uint64_t>(row));
    }
    std::vector<std::string> WidestTexts(int col) const override {
      return {col == 2 ? "WWWWWWWWWWWW" : "x4194303"};
    }
  };
  auto grid = NewSubnetGrid(1);
  grid->SetColCount(3);
  grid->SetRowSource(std::make_shared<TNumbers>());
  const int last = 4194304;
  ASSERT_EQ(grid->RowCount(), last + 1);
  EXPECT_EQ(RowText(*grid, 1), "0|x0|y0");
  EXPECT_EQ(RowText(*grid, last), "4194303|x4194303|y4194303");
  EXPECT_LT(grid->CellBytes(), 4096u);

  QAccessibleTableInterface* cells = QAccessible::queryAccessibleInterface(grid.get())->tableInterface();
  EXPECT_EQ(cells->rowCount(), last + 1);
  EXPECT_EQ(cells->cellAt(last, 2)->text(QAccessible::Name), "y4194303");

  grid->SetSelection({1, last - 1, 2, last});
  ClipboardSetText(Untouched);
  grid->CopyToClipboard();
  EXPECT_EQ(ClipboardText(), "#\tSubnet ID\tHost Range\r\n4194302\tx4194302\ty4194302\r\n"
                             "4194303\tx4194303\ty4194303\r\n");

  grid->AutoSizeColumns();
  EXPECT_EQ(grid->ColWidths(2), QFontMetrics(grid->font(), grid.get()).horizontalAdvance("WWWWWWWWWWWW") + 4);

  grid->SetRowSource(nullptr);
  EXPECT_EQ(grid->RowCount(), last + 1);
  EXPECT_EQ(RowText(*grid, last), "||");
}
}  // namespace
