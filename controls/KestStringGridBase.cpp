// SPDX-License-Identifier: MIT
#include "controls/KestStringGridBase.h"

#include <QAccessible>
#include <QScrollBar>
#include <algorithm>
#include <utility>

#include "controls/KestStringGridAccessible.h"

namespace {
constexpr int InitialColCount = 5;
constexpr int InitialRowCount = 5;
}  // namespace

TStringGrid::TStringGrid(QWidget* parent) : QAbstractScrollArea(parent) {
  InstallStringGridAccessibility();
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  FCells.SetSize(InitialColCount, InitialRowCount);
  FRowCount = InitialRowCount;
  FColWidths.assign(InitialColCount, FDefaultColWidth);
  verticalScrollBar()->setSingleStep(1);
  connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this, [this](int action) {
    if (Windowed()) ScrollBarAction(action);
  });
  horizontalScrollBar()->setSingleStep(1);
  UpdateScrollBars();
}

TStringGrid::~TStringGrid() = default;

QString TStringGrid::Cells(int ACol, int ARow) const {
  const std::string text = CellsUtf8(ACol, ARow);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}


void TStringGrid::SetCells(int ACol, int ARow, const QString& text) {
  const QByteArray utf8 = text.toUtf8();
  SetCellsUtf8(ACol, ARow, std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

std::string TStringGrid::CellsUtf8(int ACol, int ARow) const {
  std::string text;
  AppendCellText(ACol, ARow, text);
  return text;
}

void TStringGrid::SetCellsUtf8(int ACol, int ARow, std::string_view text) {
  FCells.SetText(ACol, ARow, text);
  CellChanged(ACol, ARow);
}

void TStringGrid::SetRowUtf8(int ARow, std::initializer_list<std::string_view> texts) {
  int col = 0;
  for (std::string_view text : texts) FCells.SetText(col++, ARow, text);
  CellChanged(0, ARow);
}

void TStringGrid::CellChanged(int ACol, int ARow) {
  // Every change of what is in view schedules a full repaint, so a cell
  // outside the rows painted last is either out of view or about to be painted.
  if (ACol < 0 || ACol >= ColCount() || ARow < 0 || ARow >= RowCount()) return;
  if (ARow < FFixedRows || (ARow >= TopRow() && ARow <= FLastPaintedRow)) viewport()->update();
}

void TStringGrid::SetColCount(int count) {
  count = std::max(count, 1);
  if (count == ColCount()) return;
  if (count <= FFixedCols) FFixedCols = count - 1;
  ChangeSize(count, RowCount());
}

void TStringGrid::SetRowCount(int count) {
  count = std::max(count, 1);
  if (count == RowCount()) return;
  if (count <= FFixedRows) FFixedRows = count - 1;
  ChangeSize(ColCount(), count);
}

void TStringGrid::ChangeSize(int colCount, int rowCount) {
  const int oldColCount = ColCount();
  const int oldRowCount = RowCount();
  // With a row source only the fixed rows have stored texts.
  FCells.SetSize(colCount, FRowSource ? std::min(rowCount, FFixedRows) : rowCount);
  FRowCount = rowCount;
  FColWidths.resize(static_cast<std::size_t>(colCount), FDefaultColWidth);
  FRowHeights.erase(FRowHeights.lower_bound(rowCount), FRowHeights.end());
  ClampCurrent();
  UpdateScrollBars();
  viewport()->update();
  StringGridStructureChanged(this);
  SizeChanged(oldColCount, oldRowCount);
}

void TStringGrid::SizeChanged(int, int) {}

void TStringGrid::SetFixedCols(int count) {
  if (count < 0 || count >= ColCount() || count == FFixedCols) return;
  FFixedCols = count;
  FCurrent.X = FAnchor.X = count;
  ClampCurrent();
  UpdateScrollBars();
  viewport()->update();
}

void TStringGrid::SetFixedRows(int count) {
  if (count < 0 || count >= RowCount() || count == FFixedRows) return;
  FFixedRows = count;
  if (FRowSource) FCells.SetSize(ColCount(), count);
  FCurrent.Y = FAnchor.Y = count;
  ClampCurrent();
  UpdateScrollBars();
  viewport()->update();
}

void TStringGrid::ClampCurrent() {
  auto clamp = [this](TGridCoord& cell) {
    cell.X = std::clamp(cell.X, FFixedCols, ColCount() - 1);
    cell.Y = std::clamp(cell.Y, FFixedRows, RowCount() - 1);
  };
  clamp(FAnchor);
  clamp(FCurrent);
}

void TStringGrid::SetDefaultColWidth(int width) {
  width = std::max(width, 0);
  if (width == FDefaultColWidth) return;
  FDefaultColWidth = width;
  FColWidths.assign(FColWidths.size(), width);
  UpdateScrollBars();
  viewport()->update();
}

void TStringGrid::SetDefaultRowHeight(int height) {
  height = std::max(height, 0);
  if (height == FDefaultRowHeight) return;
  FDefaultRowHeight = height;
  FRowHeights.clear();
  UpdateScrollBars();
  viewport()->update();
}

int TStringGrid::ColWidths(int ACol) const {
  if (ACol < 0 || ACol >= ColCount()) return 0;
  return FColWidths[static_cast<std::size_t>(ACol)];
}

void TStringGrid::SetColWidths(int ACol, int width) {
  if (ACol < 0 || ACol >= ColCount()) return;
  width = std::max(width, 0);
  int& current = FColWidths[static_cast<std::size_t>(ACol)];
  if (current == width) return;
  current = width;
  UpdateScrollBars();
  viewport()->update();
}

int TStringGrid::RowHeights(int ARow) const {
  if (ARow < 0 || ARow >= RowCount()) return 0;
  auto found = FRowHeights.find(ARow);
  return found != FRowHeights.end() ? found->second : FDefaultRowHeight;
}

void TStringGrid::SetRowHeights(int ARow, int height) {
  if (ARow < 0 || ARow >= RowCount()) return;
  height = std::max(height, 0);
  if (height == RowHeights(ARow)) return;
  if (height == FDefaultRowHeight)
    FRowHeights.erase(ARow);
  else
    FRowHeights[ARow] = height;
  UpdateScrollBars();
  viewport()->update();
}

void TStringGrid::SetOptions(TGridOptions options) {
  if (options == FOptions) return;
  FOptions = options;
  if (!(FOptions & goRangeSelect)) FAnchor = FCurrent;
  UpdateScrollBars();
  viewport()->update();
}

void TStringGrid::SetDefaultDrawing(bool defaultDrawing) {
  if (defaultDrawing == FDefaultDrawing) return;
  FDefaultDrawing = defaultDrawing;
  viewport()->update();
}

void TStringGrid::SetCol(int ACol) {
  if (ACol < FFixedCols || ACol >= ColCount() || ACol == FCurrent.X) return;
  MoveCurrent(ACol, FCurrent.Y, false);
}

void TStringGrid::SetRow(int ARow) {
  if (ARow < FFixedRows || ARow >= RowCount() || ARow == FCurrent.Y) return;
  MoveCurrent(FCurrent.X, ARow, false);
}

TGridRect TStringGrid::Selection() const {
  return {std::min(FAnchor.X, FCurrent.X), std::min(FAnchor.Y, FCurrent.Y), std::max(FAnchor.X, FCurrent.X),
          std::max(FAnchor.Y, FCurrent.Y)};
}

void TStringGrid::SetSelection(const TGridRect& selection) {
  TGridCoord anchor{selection.Left, selection.Top};
  TGridCoord current{selection.Right, selection.Bottom};
  if (anchor == FAnchor && current == FCurrent) return;
  FAnchor = anchor;
  FCurrent = current;
  ClampCurrent();
  viewport()->update();
  StringGridFocusMoved(this);
  StringGridSelectionChanged(this);
}

int TStringGrid::TopRow() const {
  return Windowed() ? FFixedRows + static_cast<int>(FTopSourceRow - FRowBase) : verticalScrollBar()->value();
}

void TStringGrid::SetTopRow(int ARow) {
  if (Windowed())
    ScrollToSourceRow(SourceRow(std::clamp(ARow, FFixedRows, RowCount() - 1)), true);
  else
    verticalScrollBar()->setValue(std::clamp(ARow, FFixedRows, LastTopRow()));
}

int TStringGrid::LeftCol() const { return horizontalScrollBar()->value(); }

void TStringGrid::SetLeftCol(int ACol) {
  horizontalScrollBar()->setValue(std::clamp(ACol, FFixedCols, LastLeftCol()));
}

int TStringGrid::ColLineWidth() const { return (FOptions & (goVertLine | goFixedVertLine)) ? 1 : 0; }

int TStringGrid::RowLineWidth() const { return (FOptions & (goHorzLine | goFixedHorzLine)) ? 1 : 0; }

int TStringGrid::FixedWidth() const {
  int width = 0;
  for (int col = 0; col < FFixedCols; ++col) width += ColWidths(col) + ColLineWidth();
  return width;
}

int TStringGrid::FixedHeight() const {
  int height = 0;
  for (int row = 0; row < FFixedRows; ++row) height += RowHeights(row) + RowLineWidth();
  return height;
}

int TStringGrid::LastTopRow() const {
  const int available = viewport()->height() - FixedHeight();
  int top = RowCount() - 1;
  int used = RowHeights(top) + RowLineWidth();
  while (top - 1 >= FFixedRows && used + RowHeights(top - 1) + RowLineWidth() <= available) {
    --top;
    used += RowHeights(top) + RowLineWidth();
  }
  return std::max(top, FFixedRows);
}

int TStringGrid::LastLeftCol() const {
  const int available = viewport()->width() - FixedWidth();
  int left = ColCount() - 1;
  int used = ColWidths(left) + ColLineWidth();
  while (left - 1 >= FFixedCols && used + ColWidths(left - 1) + ColLineWidth() <= available) {
    --left;
    used += ColWidths(left) + ColLineWidth();
  }
  return std::max(left, FFixedCols);
}

int TStringGrid::VisibleRowCount() const {
  const int available = viewport()->height() - FixedHeight();
  int count = 0;
  for (int row = TopRow(), used = 0; row < RowCount(); ++row, ++count) {
    used += RowHeights(row) + RowLineWidth();
    if (used > available) break;
  }
  return count;
}

int TStringGrid::VisibleColCount() const {
  const int available = viewport()->width() - FixedWidth();
  int count = 0;
  for (int col = LeftCol(), used = 0; col < ColCount(); ++col, ++count) {
    used += ColWidths(col) + ColLineWidth();
    if (used > available) break;
  }
  return count;
}

void TStringGrid::UpdateScrollBars() {
  QScrollBar* vertical = verticalScrollBar();
  if (Windowed()) {
    const bool setting = std::exchange(FSettingScrollBar, true);
    vertical->setRange(0, ScrollBarSteps);
    FSettingScrollBar = setting;
    ScrollToSourceRow(FTopSourceRow, true);
  } else {
    vertical->setRange(FFixedRows, LastTopRow());
  }
  vertical->setPageStep(std::max(1, VisibleRowCount()));
  vertical->setTracking(FOptions & goThumbTracking);
  QScrollBar* horizontal = horizontalScrollBar();
  horizontal->setRange(FFixedCols, LastLeftCol());
  horizontal->setPageStep(std::max(1, VisibleColCount()));
  horizontal->setTracking(FOptions & goThumbTracking);
}

QRect TStringGrid::CellRect(int ACol, int ARow) const {
  if (ACol < 0 || ACol >= ColCount() || ARow < 0 || ARow >= RowCount()) return {};
  if ((ACol >= FFixedCols && ACol < LeftCol()) || (ARow >= FFixedRows && ARow < TopRow())) return {};
  int x = 0;
  for (int col = ACol < FFixedCols ? 0 : LeftCol(); col < ACol; ++col) {
    x += ColWidths(col) + ColLineWidth();
    if (x >= viewport()->width()) return {};
  }
  if (ACol >= FFixedCols) x += FixedWidth();
  int y = 0;
  for (int row = ARow < FFixedRows ? 0 : TopRow(); row < ARow; ++row) {
    y += RowHeights(row) + RowLineWidth();
    if (y >= viewport()->height()) return {};
  }
  if (ARow >= FFixedRows) y += FixedHeight();
  if (x >= viewport()->width() || y >= viewport()->height()) return {};
  return {x, y, ColWidths(ACol), RowHeights(ARow)};
}

TGridCoord TStringGrid::MouseCoord(int X, int Y) const {
  if (X < 0 || Y < 0 || X >= viewport()->width() || Y >= viewport()->height()) return {};
  auto find = [](int position, int fixedCount, int first, int count, int limit, auto extent) {
    int edge = 0;
    for (int i = 0; i < fixedCount; ++i) {
      edge += extent(i);
      if (position < edge) return i;
    }
    for (int i = first; i < count && edge < limit; ++i) {
      edge += extent(i);
      if (position < edge) return i;
    }
    return -1;
  };
  const int col = find(X, FFixedCols, LeftCol(), ColCount(), viewport()->width(),
                       [this](int c) { return ColWidths(c) + ColLineWidth(); });
  const int row = find(Y, FFixedRows, TopRow(), RowCount(), viewport()->height(),
                       [this](int r) { return RowHeights(r) + RowLineWidth(); });
  if (col < 0 || row < 0) return {};
  return {col, row};
}

void TStringGrid::ScrollInView(int ACol, int ARow) {
  if (ARow >= FFixedRows) {
    if (ARow < TopRow()) {
      SetTopRow(ARow);
    } else {
      const int available = viewport()->height() - FixedHeight();
      int used = 0;
      for (int row = TopRow(); row <= ARow && used <= available; ++row) used += RowHeights(row) + RowLineWidth();
      if (used > available) {
        int top = ARow;
        used = RowHeights(top) + RowLineWidth();
        while (top - 1 >= FFixedRows && used + RowHeights(top - 1) + RowLineWidth() <= available) {
          --top;
          used += RowHeights(top) + RowLineWidth();
        }
        SetTopRow(top);
      }
    }
  }
  if (ACol >= FFixedCols) {
    if (ACol < LeftCol()) {
      SetLeftCol(ACol);
    } else {
      const int available = viewport()->width() - FixedWidth();
      int used = 0;
      for (int col = LeftCol(); col <= ACol && used <= available; ++col) used += ColWidths(col) + ColLineWidth();
      if (used > available) {
        int left = ACol;
        used = ColWidths(left) + ColLineWidth();
        while (left - 1 >= FFixedCols && used + ColWidths(left - 1) + ColLineWidth() <= available) {
          --left;
          used += ColWidths(left) + ColLineWidth();
        }
        SetLeftCol(left);
      }
    }
  }
}

void TStringGrid::MoveCurrent(int ACol, int ARow, bool extend) {
  FCurrent = {ACol, ARow};
  if (!extend || !(FOptions & goRangeSelect)) FAnchor = FCurrent;
  ClampCurrent();
  ScrollInView(FCurrent.X, FCurrent.Y);
  viewport()->update();
  StringGridFocusMoved(this);
  StringGridSelectionChanged(this);
}

void TStringGrid::InvalidateCell(int ACol, int ARow) {
  const QRect rect = CellRect(ACol, ARow);
  if (!rect.isNull()) viewport()->update(rect.adjusted(0, 0, ColLineWidth(), RowLineWidth()));
}

void TStringGrid::MoveColumn(int FromIndex, int ToIndex) {
  if (FromIndex < 0 || FromIndex >= ColCount() || ToIndex < 0 || ToIndex >= ColCount() || FromIndex == ToIndex)
    return;
  MoveItem(FColWidths, FromIndex, ToIndex);
  ColumnMoved(FromIndex, ToIndex);
  UpdateScrollBars();
  viewport()->update();
  StringGridStructureChanged(this);
}

void TStringGrid::MoveRow(int FromIndex, int ToIndex) {
  // A row source's rows stay in the order of their numbers.
  if (FRowSource) return;
  if (FromIndex < 0 || FromIndex >= RowCount() || ToIndex < 0 || ToIndex >= RowCount() || FromIndex == ToIndex)
    return;
  const int lo = std::min(FromIndex, ToIndex);
  const int hi = std::max(FromIndex, ToIndex);
  std::vector<int> heights;
  for (int row = lo; row <= hi; ++row) heights.push_back(RowHeights(row));
  MoveItem(heights, FromIndex - lo, ToIndex - lo);
  FRowHeights.erase(FRowHeights.lower_bound(lo), FRowHeights.upper_bound(hi));
  for (int row = lo; row <= hi; ++row)
    if (heights[static_cast<std::size_t>(row - lo)] != FDefaultRowHeight)
      FRowHeights[row] = heights[static_cast<std::size_t>(row - lo)];
  RowMoved(FromIndex, ToIndex);
  UpdateScrollBars();
  viewport()->update();
  StringGridStructureChanged(this);
}

void TStringGrid::ClearCells(const TGridRect& cells) {
  FCells.Clear(cells);
  viewport()->update();
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex) { FCells.MoveColumn(FromIndex, ToIndex); }

void TStringGrid::RowMoved(int FromIndex, int ToIndex) { FCells.MoveRow(FromIndex, ToIndex); }

QSize TStringGrid::sizeHint() const { return {345, 105}; }

