// SPDX-License-Identifier: MIT
#include "controls/GridCellStore.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <stdexcept>
#include <utility>

namespace {
constexpr std::size_t MaxColumnBytes = std::numeric_limits<std::uint32_t>::max();

// Edited cells are merged into the buffer once they are this many and at
// least one in this many of the rows.
constexpr std::size_t CompactMinimum = 4096;
constexpr std::size_t CompactShare = 8;

// A column's first rows predict the size of a fill: past this many rows it
// reserves their average length times the row count and this much more (texts
// often grow along a table; the room never written is given back at the end),
// but at most this many times what it holds, so that a huge row count with a
// few short rows stays cheap.
constexpr std::size_t EstimateSample = 4096;
constexpr double EstimateMargin = 1.5;
constexpr std::size_t MaxEstimateGrowth = 4096;
}  // namespace

TGridCellStore::TBytes::TBytes(TBytes&& other) noexcept
    : Bytes(std::exchange(other.Bytes, nullptr)),
      Used(std::exchange(other.Used, 0)),
      Allocated(std::exchange(other.Allocated, 0)) {}

TGridCellStore::TBytes& TGridCellStore::TBytes::operator=(TBytes&& other) noexcept {
  std::swap(Bytes, other.Bytes);
  std::swap(Used, other.Used);
  std::swap(Allocated, other.Allocated);
  return *this;
}

TGridCellStore::TBytes::~TBytes() { std::free(Bytes); }

void TGridCellStore::TBytes::Reallocate(std::size_t capacity) {
  capacity = std::max(capacity, Used);
  if (capacity == Allocated) return;
  if (capacity == 0) {
    std::free(Bytes);
    Bytes = nullptr;
    Allocated = 0;
    return;
  }
  void* moved = std::realloc(Bytes, capacity);
  if (!moved) throw std::bad_alloc();
  Bytes = static_cast<char*>(moved);
  Allocated = capacity;
}

void TGridCellStore::TBytes::Append(std::string_view text) {
  const std::size_t needed = Used + text.size();
  if (needed > Allocated) Reallocate(std::max({needed, Allocated + Allocated / 2, std::size_t{256}}));
  if (!text.empty()) std::memcpy(Bytes + Used, text.data(), text.size());
  Used = needed;
}

std::string_view TGridCellStore::TColumn::Effective(std::size_t row) const {
  if (!Edited.empty()) {
    auto edited = Edited.find(static_cast<std::uint32_t>(row));
    if (edited != Edited.end()) return edited->second;
  }
  if (row < Main.Ends.size()) return Main.Text(row);
  if (row < OldEnd) return Old.Text(row);
  return {};
}

void TGridCellStore::TColumn::Append(std::string_view text, int rowCount) {
  TBytes& bytes = Main.Bytes;
  const std::size_t needed = bytes.Size() + text.size();
  if (needed > MaxColumnBytes) throw std::length_error("A grid column can hold at most 4 GiB of text.");
  const std::size_t row = Main.Ends.size();
  const std::size_t rows = row + 1;
  const std::size_t expected = static_cast<std::size_t>(rowCount);
  if (needed > bytes.Capacity()) {
    const std::size_t capacity = bytes.Capacity();
    std::size_t grown;
    if (rows < expected && rows < EstimateSample) {
      grown = std::max({needed, capacity * 2, std::size_t{4096}});
      Estimated = true;
    } else if (rows < expected) {
      // A fill with more rows to come: make room for all of them at the
      // average length so far, so that the buffer is copied a few times at
      // most, whatever its size.
      const double estimate = static_cast<double>(needed) / static_cast<double>(rows) *
                              static_cast<double>(expected) * EstimateMargin;
      grown = std::min(static_cast<std::size_t>(estimate), needed * MaxEstimateGrowth);
      grown = std::max({grown, needed, capacity + capacity / 8});
      Estimated = true;
    } else if (Estimated) {
      grown = needed;  // the last row of a fill sized by estimate
    } else {
      grown = std::max({needed, capacity + capacity / 2, std::size_t{256}});  // a row at a time
    }
    bytes.Reallocate(std::min(grown, MaxColumnBytes));
  }
  bytes.Append(text);
  Main.Ends.push_back(static_cast<std::uint32_t>(bytes.Size()));
  if (!Edited.empty()) Edited.erase(static_cast<std::uint32_t>(row));
  if (OldEnd != 0 && rows >= OldEnd) {
    Old = TRun();
    OldEnd = 0;
  }
  if (rows == expected && Estimated) {
    bytes.Reallocate(bytes.Size());  // the fill is complete: give back what the estimate left over
    Estimated = false;
  }
}

void TGridCellStore::TColumn::Restart(std::size_t row, int rowCount) {
  OldEnd = Main.Ends.size();
  Old = std::move(Main);
  Main = TRun();
  const std::size_t prefix = row == 0 ? 0 : Old.Ends[row - 1];
  Main.Bytes.Reallocate(prefix);
  Main.Bytes.Append(std::string_view(Old.Bytes.Data(), prefix));
  Main.Ends.reserve(std::max(row, static_cast<std::size_t>(rowCount)));
  Main.Ends.assign(Old.Ends.begin(), Old.Ends.begin() + static_cast<std::ptrdiff_t>(row));
  Estimated = false;
}

void TGridCellStore::TColumn::Compact(int rowCount, std::size_t clearFirst, std::size_t clearLast) {
  std::size_t extent = std::max(Main.Ends.size(), OldEnd);
  for (const auto& cell : Edited) extent = std::max(extent, std::size_t{cell.first} + 1);
  auto text = [&](std::size_t r) -> std::string_view {
    if (r >= clearFirst && r <= clearLast) return {};
    return Effective(r);
  };
  std::size_t total = 0;
  for (std::size_t r = 0; r < extent; ++r) total += text(r).size();
  if (total > MaxColumnBytes) throw std::length_error("A grid column can hold at most 4 GiB of text.");
  TRun run;
  run.Bytes.Reallocate(total);
  run.Ends.reserve(std::max(extent, static_cast<std::size_t>(rowCount)));
  for (std::size_t r = 0; r < extent; ++r) {
    run.Bytes.Append(text(r));
    run.Ends.push_back(static_cast<std::uint32_t>(run.Bytes.Size()));
  }
  Main = std::move(run);
  Old = TRun();
  OldEnd = 0;
  Edited.clear();
  Estimated = false;
}

void TGridCellStore::Fit(TColumn& column) const {
  const std::size_t rows = static_cast<std::size_t>(Rows);
  TEnds& ends = column.Main.Ends;
  if (ends.size() > rows) {
    column.Main.Bytes.Truncate(rows == 0 ? 0 : ends[rows - 1]);
    ends.resize(rows);
  }
  column.OldEnd = std::min(column.OldEnd, rows);
  if (column.OldEnd <= ends.size()) {
    column.Old = TRun();
    column.OldEnd = 0;
  }
  std::erase_if(column.Edited, [rows](const auto& cell) { return cell.first >= rows; });
  if (ends.capacity() > 2 * rows + 64) {
    TEnds fitted;
    fitted.reserve(rows);
    fitted.assign(ends.begin(), ends.end());
    ends = std::move(fitted);
  } else if (rows > ends.capacity()) {
    // Exact for one big resize, geometric for a table grown a row at a time.
    ends.reserve(std::max(rows, ends.capacity() + ends.capacity() / 2));
  }
  TBytes& bytes = column.Main.Bytes;
  if (bytes.Capacity() > 2 * bytes.Size() + 4096) bytes.Reallocate(bytes.Size());
}

void TGridCellStore::SetSize(int colCount, int rowCount) {
  colCount = std::max(colCount, 0);
  rowCount = std::max(rowCount, 0);
  if (colCount == ColCount() && rowCount == Rows) return;
  Columns.resize(static_cast<std::size_t>(colCount));
  Rows = rowCount;
  for (TColumn& column : Columns) Fit(column);
}

std::string_view TGridCellStore::Text(int col, int row) const {
  if (col < 0 || col >= ColCount() || row < 0 || row >= Rows) return {};
  return Columns[static_cast<std::size_t>(col)].Effective(static_cast<std::size_t>(row));
}

void TGridCellStore::SetTextElsewhere(int col, int row, std::string_view utf8) {
  if (col < 0 || col >= ColCount() || row < 0 || row >= Rows) return;
  TColumn& column = Columns[static_cast<std::size_t>(col)];
  const std::size_t r = static_cast<std::size_t>(row);
  TEnds& ends = column.Main.Ends;
  if (r >= ends.size()) {
    // Rows skipped over keep what they hold.
    while (ends.size() < r) {
      const std::string skipped(column.Effective(ends.size()));
      column.Append(skipped, Rows);
    }
    column.Append(utf8, Rows);
    return;
  }
  if (r + 1 == ends.size()) {
    column.Main.Bytes.Truncate(r == 0 ? 0 : ends[r - 1]);
    ends.pop_back();
    column.Append(utf8, Rows);
    return;
  }
  if (column.Main.Text(r) == utf8) {
    column.Edited.erase(static_cast<std::uint32_t>(r));
    return;
  }
  // A write in the upper half of a column starts a refill from there.
  if (column.OldEnd == 0 && (r == 0 ? 0 : ends[r - 1]) <= column.Main.Bytes.Size() / 2) {
    column.Restart(r, Rows);
    column.Append(utf8, Rows);
    return;
  }
  column.Edited.insert_or_assign(static_cast<std::uint32_t>(r), std::string(utf8));
  if (column.Edited.size() >= CompactMinimum && column.Edited.size() * CompactShare >= ends.size())
    column.Compact(Rows);
}

void TGridCellStore::Clear(const TGridRect& cells) {
  const int top = std::max(cells.Top, 0);
  const int bottom = std::min(cells.Bottom, Rows - 1);
  if (top > bottom) return;
  for (int col = std::max(cells.Left, 0); col <= std::min(cells.Right, ColCount() - 1); ++col) {
    if (static_cast<std::size_t>(bottom - top) < CompactMinimum) {
      for (int row = top; row <= bottom; ++row) SetText(col, row, {});
    } else {
      Columns[static_cast<std::size_t>(col)].Compact(Rows, static_cast<std::size_t>(top),
                                                     static_cast<std::size_t>(bottom));
    }
  }
}

void TGridCellStore::MoveColumn(int from, int to) {
  if (from < 0 || from >= ColCount() || to < 0 || to >= ColCount() || from == to) return;
  MoveItem(Columns, from, to);
}

void TGridCellStore::MoveRow(int from, int to) {
  if (from < 0 || from >= Rows || to < 0 || to >= Rows || from == to) return;
  const int lo = std::min(from, to);
  const int hi = std::max(from, to);
  for (int col = 0; col < ColCount(); ++col) {
    // Move the texts through the edited-cell map, then merge it back.
    std::vector<std::string> texts;
    texts.reserve(static_cast<std::size_t>(hi - lo + 1));
    for (int row = lo; row <= hi; ++row) texts.emplace_back(Text(col, row));
    MoveItem(texts, from - lo, to - lo);
    TColumn& column = Columns[static_cast<std::size_t>(col)];
    for (int row = lo; row <= hi; ++row)
      column.Edited.insert_or_assign(static_cast<std::uint32_t>(row), std::move(texts[static_cast<std::size_t>(row - lo)]));
    column.Compact(Rows);
  }
}

std::size_t TGridCellStore::AllocatedBytes() const {
  std::size_t bytes = sizeof(*this) + Columns.capacity() * sizeof(TColumn);
  for (const TColumn& column : Columns) {
    for (const TRun* run : {&column.Main, &column.Old})
      bytes += run->Bytes.Capacity() + run->Ends.capacity() * sizeof(std::uint32_t);
    bytes += column.Edited.bucket_count() * sizeof(void*);
    for (const auto& cell : column.Edited) {
      // A map node: the key, the string and the links.
      bytes += sizeof(cell) + 2 * sizeof(void*);
      if (cell.second.capacity() > 15) bytes += cell.second.capacity() + 1;
    }
  }
  return bytes;
}
