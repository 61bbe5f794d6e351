// SPDX-License-Identifier: MIT
#pragma once
// The texts of a grid's cells, kept compactly for tables of millions of rows.
//
// Each column keeps the UTF-8 texts of its rows back to back in one byte
// buffer, with one 32-bit end offset per row. Rows are appended in order by
// the usual top-to-bottom fill. A refill that starts again near the top
// rebuilds the buffer from there and reads the rows it has not reached yet
// from the previous buffer. Any other text written above the last appended
// row goes into a small per-column map of edited cells, which is merged back
// into the buffer once it holds a sizeable share of the rows.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// A rectangle of cells, inclusive on all sides.
struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

// Moves items[from] to index `to`; the items in between shift by one place,
// as a grid's columns and rows do when one is moved.
template <typename T>
void MoveItem(std::vector<T>& items, int from, int to) {
  auto first = items.begin();
  if (from < to)
    std::rotate(first + from, first + from + 1, first + to + 1);
  else if (to < from)
    std::rotate(first + to, first + from, first + from + 1);
}

class TGridCellStore {
 public:
  TGridCellStore() = default;
  TGridCellStore(const TGridCellStore&) = delete;
  TGridCellStore& operator=(const TGridCellStore&) = delete;

  int ColCount() const { return static_cast<int>(Columns.size()); }
  int RowCount() const { return Rows; }
  // Keeps the texts inside the new size and drops the others.
  void SetSize(int colCount, int rowCount);

  // Empty outside the grid. The view stays valid until the next change.
  std::string_view Text(int col, int row) const;
  // Ignored outside the grid.
  void SetText(int col, int row, std::string_view utf8) {
    // A fill appends row after row: that case is inlined, the rest is not.
    if (col >= 0 && col < ColCount() && row >= 0 && row + 1 < Rows &&
        Columns[static_cast<std::size_t>(col)].AppendInPlace(static_cast<std::size_t>(row), utf8))
      return;
    SetTextElsewhere(col, row, utf8);
  }
  // Empties every cell of `cells` inside the grid.
  void Clear(const TGridRect& cells);

  // Moves one column or row to another index; those in between shift by one.
  void MoveColumn(int from, int to);
  void MoveRow(int from, int to);

  // Calls visit(row, text) for every row of `col` from `first` to `last`.
  template <typename Visit>
  void ForEachText(int col, int first, int last, Visit&& visit) const;

  // The bytes allocated for the texts and their bookkeeping.
  std::size_t AllocatedBytes() const;

 private:
  // A growable byte buffer on malloc/realloc, so that large buffers grow and
  // shrink by remapping pages instead of copying them.
  class TBytes {
   public:
    TBytes() = default;
    TBytes(TBytes&& other) noexcept;
    TBytes& operator=(TBytes&& other) noexcept;
    ~TBytes();
    const char* Data() const { return Bytes; }
    char* Data() { return Bytes; }
    std::size_t Size() const { return Used; }
    std::size_t Capacity() const { return Allocated; }
    void Append(std::string_view text);
    // Appends without growing; false when the text does not fit.
    bool AppendInPlace(std::string_view text) {
      if (text.size() > Allocated - Used) return false;
      if (!text.empty()) std::memcpy(Bytes + Used, text.data(), text.size());
      Used += text.size();
      return true;
    }
    void Truncate(std::size_t size) { Used = size; }
    void Reallocate(std::size_t capacity);

   private:
    char* Bytes = nullptr;
    std::size_t Used = 0;
    std::size_t Allocated = 0;
  };

  using TEnds = std::vector<std::uint32_t>;

  // Texts back to back; Ends[r] is the end of row r's text.
  struct TRun {
    TBytes Bytes;
    TEnds Ends;
    std::string_view Text(std::size_t row) const {
      const std::uint32_t begin = row == 0 ? 0 : Ends[row - 1];
      return {Bytes.Data() + begin, Ends[row] - begin};
    }
  };

  struct TColumn {
    TRun Main;               // rows 0 to Main.Ends.size() - 1
    TRun Old;                // the previous buffer during a refill
    std::size_t OldEnd = 0;  // rows from Main.Ends.size() to OldEnd - 1 are read from Old
    std::unordered_map<std::uint32_t, std::string> Edited;
    bool Estimated = false;  // the capacity was reserved for rows still to come

    std::string_view Effective(std::size_t row) const;
    // Appends row Main.Ends.size().
    void Append(std::string_view text, int rowCount);
    // Appends `row` when it is the next one, nothing else is pending and the
    // buffer has room; false otherwise. Never the last row of a fill, whose
    // append gives back the room the estimate left over.
    bool AppendInPlace(std::size_t row, std::string_view text) {
      if (row != Main.Ends.size() || OldEnd != 0 || !Edited.empty() || !Main.Bytes.AppendInPlace(text)) return false;
      Main.Ends.push_back(static_cast<std::uint32_t>(Main.Bytes.Size()));
      return true;
    }
    // Rebuilds the buffer up to `row`, keeping the rest as Old.
    void Restart(std::size_t row, int rowCount);
    // Merges the edited cells and Old into the buffer, emptying rows `clearFirst` to `clearLast`.
    void Compact(int rowCount, std::size_t clearFirst = 1, std::size_t clearLast = 0);
  };

  void Fit(TColumn& column) const;
  void SetTextElsewhere(int col, int row, std::string_view utf8);

  std::vector<TColumn> Columns;
  int Rows = 0;
};

template <typename Visit>
void TGridCellStore::ForEachText(int col, int first, int last, Visit&& visit) const {
  if (col < 0 || col >= ColCount()) return;
  if (first < 0) first = 0;
  if (last >= Rows) last = Rows - 1;
  const TColumn& column = Columns[static_cast<std::size_t>(col)];
  const std::size_t appended = column.Main.Ends.size();
  if (column.Edited.empty() && column.OldEnd == 0) {
    // The common case of a plain fill, without a look-up per row.
    const std::uint32_t* ends = column.Main.Ends.data();
    const char* bytes = column.Main.Bytes.Data();
    int row = first;
    for (std::uint32_t begin = row == 0 || appended == 0 ? 0 : ends[std::min<std::size_t>(row, appended) - 1];
         row <= last && static_cast<std::size_t>(row) < appended; ++row) {
      visit(row, std::string_view(bytes + begin, ends[row] - begin));
      begin = ends[row];
    }
    for (; row <= last; ++row) visit(row, std::string_view());
    return;
  }
  for (int row = first; row <= last; ++row) {
    const std::size_t r = static_cast<std::size_t>(row);
    if (!column.Edited.empty()) {
      auto edited = column.Edited.find(static_cast<std::uint32_t>(r));
      if (edited != column.Edited.end()) {
        visit(row, std::string_view(edited->second));
        continue;
      }
    }
    if (r < appended)
      visit(row, column.Main.Text(r));
    else if (r < column.OldEnd)
      visit(row, column.Old.Text(r));
    else
      visit(row, std::string_view());
  }
}
