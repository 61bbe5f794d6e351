// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <random>
#include <string>
#include <vector>

#include "tests/controls/KestStringGridFixture.h"

namespace {
// The width column fitting must give: every text measured on its own.
int MeasuredWidth(const TSuperStringGrid& grid, int col, const std::function<QFont(int row)>& fontOf) {
  int width = grid.DefaultColWidth();
  for (int row = 0; row < grid.RowCount(); ++row)
    width = std::max(width, QFontMetrics(fontOf(row), &grid).horizontalAdvance(grid.Cells(col, row)) + 4);
  return width;
}

// Texts where summing parts could go wrong: kerning pairs, ligatures, spaces,
// fractional advances adding up, characters outside ASCII, a tab.
const char* const Samples[] = {
    "AVATAR",      "To Wa Yo",  "office affluent ffi ffl", "fiT", "10.255.255.249 - 10.255.255.250",
    "   padded  ", "Gr\xC3\xB6\xC3\x9F" "e \xC2\xB5s", "\xE6\x97\xA5\xE6\x9C\xAC", "e\xCC\x81", "tab\there",
    "iiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiiii", "WWWWWWWW", "Delay (sec)", "100.0%", "",
};

TEST(KestStringGridFit, GivesTheWidthOfMeasuringEachText) {
  // One text per column, so that every text's width shows, not only the widest.
  const struct {
    const char* Family;
    int PixelSize;
    bool Bold;
    bool Italic;
  } fonts[] = {
      {"", 12, false, false},           {"DejaVu Sans", 13, false, true}, {"DejaVu Serif", 17, true, false},
      {"DejaVu Sans Mono", 13, false, false}, {"Nimbus Sans", 11, false, false}, {"C059", 9, false, false},
      {"URW Gothic", 17, false, true},  {"P052", 13, true, true},
  };
  std::mt19937 random(11);
  for (const auto& f : fonts) {
    QFont font = f.Family[0] ? QFont(f.Family) : QFont();
    font.setPixelSize(f.PixelSize);
    font.setBold(f.Bold);
    font.setItalic(f.Italic);
    std::vector<std::string> texts(std::begin(Samples), std::end(Samples));
    while (texts.size() < 600) {
      std::string text(1 + random() % 30, ' ');
      for (char& c : text) c = static_cast<char>(0x20 + random() % 95);
      texts.push_back(text);
    }
    TSuperStringGrid grid;
    grid.setFont(font);
    grid.SetColCount(static_cast<int>(texts.size()));
    grid.SetRowCount(1);
    grid.SetFixedRows(0);
    grid.SetDefaultColWidth(0);
    for (std::size_t col = 0; col < texts.size(); ++col) grid.SetCellsUtf8(static_cast<int>(col), 0, texts[col]);
    grid.AutoSizeColumns();
    const QFontMetrics metrics(font, &grid);
    for (int col = 0; col < grid.ColCount(); ++col)
      ASSERT_EQ(grid.ColWidths(col), metrics.horizontalAdvance(grid.Cells(col, 0)) + 4)
          << font.family().toStdString() << " " << f.PixelSize << ": \"" << texts[col] << "\"";
  }
}

TEST(KestStringGridFit, MeasuresEachCellInItsOwnFont) {
  auto grid = NewSubnetGrid(20);
  QFont headings;
  headings.setPixelSize(25);
  grid->SetFixedFont(headings);
  QFont bold = grid->font();
  bold.setBold(true);
  bold.setPixelSize(19);
  grid->OnGetCellFont = [&](QObject*, TCellFont& font, int, int row) {
    if (row == 7) font.Font = bold;
  };
  grid->AutoSizeColumns();
  auto fontOf = [&](int col) {
    return [&, col](int row) {
      if (row == 7) return bold;
      return col < 1 || row < 1 ? headings : grid->font();
    };
  };
  for (int col = 0; col < 4; ++col) EXPECT_EQ(grid->ColWidths(col), MeasuredWidth(*grid, col, fontOf(col))) << col;
  EXPECT_EQ(grid->ColWidths(1), QFontMetrics(headings, grid.get()).horizontalAdvance("Subnet ID") + 4);
}

TEST(KestStringGridFit, KeepsTheDefaultWidthAsTheLeast) {
  auto grid = NewSubnetGrid(2);
  grid->SetDefaultColWidth(140);
  grid->SetColWidths(3, 500);
  grid->SetCells(2, 2, "x");
  grid->AutoSizeColumn(3);
  EXPECT_EQ(grid->ColWidths(3), 140);  // narrower than before, not below the default
  grid->AutoSizeColumn(2);
  EXPECT_EQ(grid->ColWidths(2), std::max(140, QFontMetrics(grid->font(), grid.get()).horizontalAdvance(
                                                    "128.15.1.1 - 128.15.1.254") + 4));
  grid->AutoSizeColumn(7);
  grid->AutoSizeColumn(-1);
  EXPECT_EQ(grid->ColWidths(0), 140);
}
TEST(KestStringGridFit, LargeTablesFitAsEachColumnAlone) {
  // Large enough to be fitted by text shapes; the widest text of each column
  // sits deep down, and the last column has a text too long for a shape.
  const int rows = 60000;
  auto grid = NewSubnetGrid(0);
  grid->SetColCount(5);
  grid->SetRowCount(rows + 1);
  grid->SetCells(3, 0, "");
  std::mt19937 random(7);
  for (int row = 1; row <= rows; ++row) {
    std::string mixed(1 + random() % 12, ' ');
    for (char& c : mixed) c = "0123456789.- Wil"[random() % 16];
    grid->SetCellsUtf8(0, row, std::to_string(row * 7));
    grid->SetCellsUtf8(1, row, "10.0." + std::to_string(row % 256) + "." + std::to_string(row % 100));
    grid->SetCellsUtf8(2, row, mixed);
    grid->SetCellsUtf8(3, row, row == 54321 ? "WWWW 1.1" : "1.1");
    grid->SetCellsUtf8(4, row, row == rows ? std::string(40, 'W') : std::to_string(row));
  }
  grid->AutoSizeColumns();
  for (int col = 0; col < grid->ColCount(); ++col) {
    const int fitted = grid->ColWidths(col);
    grid->AutoSizeColumn(col);
    EXPECT_EQ(fitted, grid->ColWidths(col)) << col;
  }
  EXPECT_EQ(grid->ColWidths(3), QFontMetrics(grid->font(), grid.get()).horizontalAdvance("WWWW 1.1") + 4);
}

}  // namespace
