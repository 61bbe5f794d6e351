// SPDX-License-Identifier: MIT
#include "controls/GridCopyText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
TAppendCellText TextsOf(const TGridCellStore& cells) {
  return [&cells](int col, int row, std::string& out) { out += cells.Text(col, row); };
}

// The subnet table's layout: one fixed column, one fixed row; row 3 has an
// empty host range.
void FillSubnetTable(TGridCellStore& cells) {
  const std::vector<std::vector<std::string>> rows = {
      {"#", "Subnet ID", "Host Range", "Subnet Broadcast"},
      {"1", "128.15.1.0", "128.15.1.1 - 128.15.1.254", "128.15.1.255"},
      {"2", "128.15.2.0", "128.15.2.1 - 128.15.2.254", "128.15.2.255"},
      {"3", "128.15.3.0", "", "128.15.3.255"},
  };
  cells.SetSize(4, 4);
  for (int row = 0; row < 4; ++row)
    for (int col = 0; col < 4; ++col) cells.SetText(col, row, rows[row][col]);
}

TEST(GridCopyText, FollowsTheCopyModes) {
  const struct {
    const char* Name;
    TGridRect Selection;
    TCopyModes Modes;
    const char* Expected;
  } cases[] = {
      {"rows 2 to 3 with headings", {1, 2, 3, 3}, cmFixedCols | cmFixedRows,
       "#\tSubnet ID\tHost Range\tSubnet Broadcast\r\n"
       "2\t128.15.2.0\t128.15.2.1 - 128.15.2.254\t128.15.2.255\r\n"
       "3\t128.15.3.0\t\t128.15.3.255\r\n"},
      {"the current cell alone", {2, 1, 2, 1}, cmFixedCols | cmFixedRows,
       "#\tHost Range\r\n"
       "1\t128.15.1.1 - 128.15.1.254\r\n"},
      {"no headings", {2, 2, 3, 3}, 0,
       "128.15.2.1 - 128.15.2.254\t128.15.2.255\r\n"
       "\t128.15.3.255\r\n"},
      {"heading row only", {3, 3, 3, 3}, cmFixedRows,
       "Subnet Broadcast\r\n"
       "128.15.3.255\r\n"},
      {"heading column only", {1, 3, 2, 3}, cmFixedCols, "3\t128.15.3.0\t\r\n"},
      {"entire columns", {2, 2, 2, 2}, cmEntireCols,
       "128.15.1.1 - 128.15.1.254\r\n128.15.2.1 - 128.15.2.254\r\n\r\n"},
      {"entire rows", {2, 3, 2, 3}, cmEntireRows, "128.15.3.0\t\t128.15.3.255\r\n"},
      {"the whole table", {2, 2, 2, 2}, cmEntireCols | cmEntireRows | cmFixedCols | cmFixedRows,
       "#\tSubnet ID\tHost Range\tSubnet Broadcast\r\n"
       "1\t128.15.1.0\t128.15.1.1 - 128.15.1.254\t128.15.1.255\r\n"
       "2\t128.15.2.0\t128.15.2.1 - 128.15.2.254\t128.15.2.255\r\n"
       "3\t128.15.3.0\t\t128.15.3.255\r\n"},
  };
  TGridCellStore cells;
  FillSubnetTable(cells);
  for (const auto& c : cases) {
    const TGridRect copied = CopiedCells(c.Selection, 4, 4, 1, 1, c.Modes);
    EXPECT_EQ(GridCopyText(TextsOf(cells), copied, 1, 1, c.Modes), c.Expected) << c.Name;
  }
}

TEST(GridCopyText, WithoutFixedColumnsLinesStartWithTheSelection) {
  // The lookup table: no heading column, so cmFixedCols adds nothing.
  TGridCellStore cells;
  cells.SetSize(2, 3);
  const char* texts[3][2] = {{"Decimal", "Hexadecimal"}, {"15", "F"}, {"16", "10"}};
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 2; ++col) cells.SetText(col, row, texts[row][col]);
  const TCopyModes modes = cmFixedCols | cmFixedRows;
  EXPECT_EQ(GridCopyText(TextsOf(cells), CopiedCells({0, 1, 1, 2}, 2, 3, 0, 1, modes), 0, 1, modes),
            "Decimal\tHexadecimal\r\n15\tF\r\n16\t10\r\n");
}

TEST(GridCopyText, EmptyCellsKeepEveryTab) {
  TGridCellStore cells;
  cells.SetSize(4, 3);
  cells.SetText(3, 2, "last");
  const TCopyModes modes = cmFixedCols | cmFixedRows;
  EXPECT_EQ(GridCopyText(TextsOf(cells), CopiedCells({1, 1, 3, 2}, 4, 3, 1, 1, modes), 1, 1, modes),
            "\t\t\t\r\n\t\t\t\r\n\t\t\tlast\r\n");
}
}  // namespace
