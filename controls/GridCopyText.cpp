// SPDX-License-Identifier: MIT
#include "controls/GridCopyText.h"

TGridRect CopiedCells(const TGridRect& selection, int colCount, int rowCount, int fixedCols, int fixedRows,
                      TCopyModes modes) {
  TGridRect copied = selection;
  if (modes & cmEntireCols) {
    copied.Top = fixedRows;
    copied.Bottom = rowCount - 1;
  }
  if (modes & cmEntireRows) {
    copied.Left = fixedCols;
    copied.Right = colCount - 1;
  }
  return copied;
}

std::string GridCopyText(const TAppendCellText& cells, const TGridRect& copied, int fixedCols, int fixedRows,
                         TCopyModes modes) {
  std::string text;
  auto appendLine = [&](int row) {
    if (modes & cmFixedCols) {
      for (int col = 0; col < fixedCols; ++col) {
        cells(col, row, text);
        text += '\t';
      }
    }
    for (int col = copied.Left; col <= copied.Right; ++col) {
      if (col > copied.Left) text += '\t';
      cells(col, row, text);
    }
    text += "\r\n";
  };
  if (modes & cmFixedRows)
    for (int row = 0; row < fixedRows; ++row) appendLine(row);
  for (int row = copied.Top; row <= copied.Bottom; ++row) appendLine(row);
  return text;
}
