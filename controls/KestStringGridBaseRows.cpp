// SPDX-License-Identifier: MIT
// The string grid's rows below the fixed ones taken from a row source.
#include "controls/KestStringGridBase.h"

#include <limits>
#include <stdexcept>
#include <utility>

void TStringGrid::AppendCellText(int ACol, int ARow, std::string& out) const {
  if (FRowSource && ARow >= FFixedRows && ACol >= 0 && ACol < ColCount() &&
      static_cast<TGridRowNumber>(ARow - FFixedRows) <= FRowSource->LastRow())
    FRowSource->AppendText(static_cast<TGridRowNumber>(ARow - FFixedRows), ACol, out);
  else
    out += FCells.Text(ACol, ARow);
}

void TStringGrid::SetRowSource(std::shared_ptr<const TGridRowSource> source) {
  int rowCount = RowCount();
  if (source) {
    const TGridRowNumber last = source->LastRow();
    if (last >= static_cast<TGridRowNumber>(std::numeric_limits<int>::max() - FFixedRows))
      throw std::length_error("Too many rows for a grid.");
    rowCount = FFixedRows + static_cast<int>(last) + 1;
  }
  // The rows below the fixed ones lose their stored texts either way.
  FCells.SetSize(ColCount(), FFixedRows);
  FRowSource = std::move(source);
  ChangeSize(ColCount(), rowCount);
}
