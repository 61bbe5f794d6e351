// SPDX-License-Identifier: MIT
#pragma once
// The rows of a table that are a function of their number. A grid given a
// row source holds no text for its rows below the headings: it asks the
// source for the texts it draws, copies and reports to assistive technology,
// and fits its columns to the few widest texts the source names.
#include <string>
#include <utility>
#include <vector>

// Wide enough to number the rows of any table, 2^128 rows included.
using TGridRowNumber = unsigned __int128;

// `row` moved by `rows`, kept within 0 and `last`.
inline TGridRowNumber AddRows(TGridRowNumber row, long long rows, TGridRowNumber last) {
  const auto by = static_cast<TGridRowNumber>(rows < 0 ? -rows : rows);
  if (rows < 0) return row > by ? row - by : 0;
  return last - row > by ? row + by : last;
}

class TGridRowSource {
 public:
  virtual ~TGridRowSource() = default;
  // The number of the last row; rows are numbered from 0.
  virtual TGridRowNumber LastRow() const = 0;
  // Appends the text of column `col` of row `row` (at most LastRow) to `out`.
  virtual void AppendText(TGridRowNumber row, int col, std::string& out) const = 0;
  // Texts at least as wide as every text of column `col`, in a font that
  // gives every digit the same width: the first and last rows' texts, or a
  // text of the column's longest shape.
  virtual std::vector<std::string> WidestTexts(int col) const = 0;
};

// The row source of a Qt-free rows class that has LastRow, AppendText and
// WidestTexts of its own, its row numbers of whatever type its LastRow gives.
template <typename Rows>
class TRowSourceOf final : public TGridRowSource {
 public:
  explicit TRowSourceOf(Rows rows) : FRows(std::move(rows)) {}
  TGridRowNumber LastRow() const override { return FRows.LastRow(); }
  void AppendText(TGridRowNumber row, int col, std::string& out) const override {
    FRows.AppendText(static_cast<decltype(FRows.LastRow())>(row), col, out);
  }
  std::vector<std::string> WidestTexts(int col) const override { return FRows.WidestTexts(col); }

 private:
  Rows FRows;
};
