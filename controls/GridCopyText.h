// SPDX-License-Identifier: MIT
#pragma once
// The text a grid puts on the clipboard for its selection: one line per row,
// cells separated by tabs, every line ended by CR LF.
#include <functional>
#include <string>

#include "controls/GridCellStore.h"

// What a copy covers besides the selection; a set of these flags.
enum TCopyMode : unsigned {
  cmEntireCols = 1u << 0,  // every non-fixed row of the selected columns
  cmEntireRows = 1u << 1,  // every non-fixed column of the selected rows
  cmFixedCols = 1u << 2,   // each line starts with its row's heading columns
  cmFixedRows = 1u << 3,   // the heading rows come first
};
using TCopyModes = unsigned;

// The non-fixed cells a copy covers: the selection, widened by the modes.
TGridRect CopiedCells(const TGridRect& selection, int colCount, int rowCount, int fixedCols, int fixedRows,
                      TCopyModes modes);

// Appends the text of cell (col, row) to `out`.
using TAppendCellText = std::function<void(int col, int row, std::string& out)>;

// The clipboard text for `copied` (from CopiedCells). An empty cell keeps its
// tabs, so columns never shift.
std::string GridCopyText(const TAppendCellText& cells, const TGridRect& copied, int fixedCols, int fixedRows,
                         TCopyModes modes);
