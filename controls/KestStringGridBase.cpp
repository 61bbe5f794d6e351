// SPDX-License-Identifier: MIT
#include "controls/KestStringGridBase.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <limits>
#include <stdexcept>
#include <utility>

#include "controls/KestStringGridAccessible.h"

namespace {
// Pixels either side of a column's right (a row's bottom) border that grab it for sizing.
constexpr int SizingMargin = 3;
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
  horizontalScrollBar()->setSingleStep(1);
  UpdateScrollBars();
}

TStringGrid::~TStringGrid() = default;

QString TStringGrid::Cells(int ACol, int ARow) const {
  const std::string text = CellsUtf8(ACol, ARow);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

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

int TStringGrid::TopRow() const { return verticalScrollBar()->value(); }

void TStringGrid::SetTopRow(int ARow) { verticalScrollBar()->setValue(std::clamp(ARow, FFixedRows, LastTopRow())); }

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
  vertical->setRange(FFixedRows, LastTopRow());
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

void TStringGrid::DrawCell(QPainter& painter, int ACol, int ARow, const QRect& ARect, TGridDrawState AState) {
  if (FDefaultDrawing) {
    painter.setClipRect(ARect);
    painter.setFont(font());
    const QFontMetrics metrics(font(), this);
    painter.drawText(ARect.left() + 2, ARect.top() + 2 + metrics.ascent(), Cells(ACol, ARow));
  }
  if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

void TStringGrid::PaintCell(QPainter& painter, int ACol, int ARow, const QRect& rect) {
  const bool fixed = IsFixed(ACol, ARow);
  TGridDrawState state = 0;
  if (fixed) {
    state |= gdFixed;
  } else {
    const TGridRect selection = Selection();
    if (ACol >= selection.Left && ACol <= selection.Right && ARow >= selection.Top && ARow <= selection.Bottom)
      state |= gdSelected;
    if (TGridCoord{ACol, ARow} == FCurrent && hasFocus()) state |= gdFocused;
  }
  const QPalette& colors = palette();
  QColor background = colors.color(QPalette::Base);
  if (fixed)
    background = colors.color(QPalette::Button);
  else if ((state & gdSelected) && (!(state & gdFocused) || (FOptions & goDrawFocusSelected)))
    background = colors.color(QPalette::Highlight);
  if (FDefaultDrawing) painter.fillRect(rect, background);
  painter.save();
  DrawCell(painter, ACol, ARow, rect, state);
  painter.restore();
  if (FDefaultDrawing && fixed && rect.width() > 1 && rect.height() > 1) {
    painter.fillRect(rect.left(), rect.top(), rect.width() - 1, 1, colors.color(QPalette::Light));
    painter.fillRect(rect.left(), rect.top(), 1, rect.height() - 1, colors.color(QPalette::Light));
    painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, colors.color(QPalette::Mid));
    painter.fillRect(rect.right(), rect.top(), 1, rect.height(), colors.color(QPalette::Mid));
  }
  if (FDefaultDrawing && (state & gdFocused)) {
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect;
    option.backgroundColor = background;
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }
  const QColor lineColor = colors.color(fixed ? QPalette::Dark : QPalette::Mid);
  const bool vertical = FOptions & (fixed ? goFixedVertLine : goVertLine);
  const bool horizontal = FOptions & (fixed ? goFixedHorzLine : goHorzLine);
  if (ColLineWidth() > 0)
    painter.fillRect(rect.right() + 1, rect.top(), ColLineWidth(), rect.height() + RowLineWidth(),
                     vertical ? lineColor : background);
  if (RowLineWidth() > 0)
    painter.fillRect(rect.left(), rect.bottom() + 1, rect.width(), RowLineWidth(), horizontal ? lineColor : background);
}

void TStringGrid::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const int width = viewport()->width();
  const int height = viewport()->height();
  painter.fillRect(0, 0, width, height, palette().color(QPalette::Base));
  std::vector<std::pair<int, int>> cols;  // index, left edge
  int x = 0;
  for (int col = 0; col < FFixedCols && x < width; x += ColWidths(col) + ColLineWidth(), ++col) cols.push_back({col, x});
  for (int col = LeftCol(); col < ColCount() && x < width; x += ColWidths(col) + ColLineWidth(), ++col)
    cols.push_back({col, x});
  std::vector<std::pair<int, int>> rows;  // index, top edge
  int y = 0;
  for (int row = 0; row < FFixedRows && y < height; y += RowHeights(row) + RowLineWidth(), ++row)
    rows.push_back({row, y});
  FLastPaintedRow = TopRow() - 1;
  for (int row = TopRow(); row < RowCount() && y < height; y += RowHeights(row) + RowLineWidth(), ++row) {
    rows.push_back({row, y});
    FLastPaintedRow = row;
  }
  for (const auto& [row, top] : rows)
    for (const auto& [col, left] : cols) PaintCell(painter, col, row, QRect(left, top, ColWidths(col), RowHeights(row)));
}

int TStringGrid::ColSizingIndex(int X) const {
  int right = FixedWidth();
  for (int col = LeftCol(); col < ColCount() && right < viewport()->width(); ++col) {
    right += ColWidths(col);
    if (X >= right - SizingMargin && X <= right + ColLineWidth() + SizingMargin) return col;
    right += ColLineWidth();
  }
  return -1;
}

int TStringGrid::RowSizingIndex(int Y) const {
  int bottom = FixedHeight();
  for (int row = TopRow(); row < RowCount() && bottom < viewport()->height(); ++row) {
    bottom += RowHeights(row);
    if (Y >= bottom - SizingMargin && Y <= bottom + RowLineWidth() + SizingMargin) return row;
    bottom += RowLineWidth();
  }
  return -1;
}

void TStringGrid::KeyDown(int& Key, Qt::KeyboardModifiers Shift) {
  TGridCoord target = FCurrent;
  const bool control = Shift & Qt::ControlModifier;
  switch (Key) {
    case Qt::Key_Up: --target.Y; break;
    case Qt::Key_Down: ++target.Y; break;
    case Qt::Key_Left: --target.X; break;
    case Qt::Key_Right: ++target.X; break;
    case Qt::Key_PageUp: target.Y -= std::max(1, VisibleRowCount()); break;
    case Qt::Key_PageDown: target.Y += std::max(1, VisibleRowCount()); break;
    case Qt::Key_Home:
      target.X = FFixedCols;
      if (control) target.Y = FFixedRows;
      break;
    case Qt::Key_End:
      target.X = ColCount() - 1;
      if (control) target.Y = RowCount() - 1;
      break;
    default: return;
  }
  MoveCurrent(target.X, target.Y, Shift & Qt::ShiftModifier);
  Key = 0;
}

void TStringGrid::MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) {
  if (Button != Qt::LeftButton) return;
  setFocus(Qt::MouseFocusReason);
  const TGridCoord cell = MouseCoord(X, Y);
  if (cell.X < 0) return;
  if (cell.Y < FFixedRows && (FOptions & goColSizing) && (FSizingIndex = ColSizingIndex(X)) >= 0) {
    FGridState = TGridState::ColSizing;
    FSizingOffset = X - CellRect(FSizingIndex, cell.Y).right() - 1;
    return;
  }
  if (cell.X < FFixedCols && (FOptions & goRowSizing) && (FSizingIndex = RowSizingIndex(Y)) >= 0) {
    FGridState = TGridState::RowSizing;
    FSizingOffset = Y - CellRect(cell.X, FSizingIndex).bottom() - 1;
    return;
  }
  if (cell.Y < FFixedRows && cell.X >= FFixedCols && (FOptions & goColMoving)) {
    FGridState = TGridState::ColMoving;
    FMoveIndex = FMovePos = cell.X;
    return;
  }
  if (cell.X < FFixedCols && cell.Y >= FFixedRows && (FOptions & goRowMoving)) {
    FGridState = TGridState::RowMoving;
    FMoveIndex = FMovePos = cell.Y;
    return;
  }
  if (IsFixed(cell.X, cell.Y)) return;
  MoveCurrent(cell.X, cell.Y, Shift & Qt::ShiftModifier);
  if (FOptions & goRangeSelect) FGridState = TGridState::Selecting;
}

void TStringGrid::MouseMove(Qt::KeyboardModifiers, int X, int Y) {
  switch (FGridState) {
    case TGridState::ColSizing: {
      const QRect cell = CellRect(FSizingIndex, 0);
      if (!cell.isNull()) SetColWidths(FSizingIndex, std::max(1, X - FSizingOffset - cell.left()));
      return;
    }
    case TGridState::RowSizing: {
      const QRect cell = CellRect(0, FSizingIndex);
      if (!cell.isNull()) SetRowHeights(FSizingIndex, std::max(1, Y - FSizingOffset - cell.top()));
      return;
    }
    case TGridState::ColMoving: {
      const int col = MouseCoord(std::clamp(X, 0, viewport()->width() - 1), 0).X;
      if (col >= FFixedCols) FMovePos = col;
      return;
    }
    case TGridState::RowMoving: {
      const int row = MouseCoord(0, std::clamp(Y, 0, viewport()->height() - 1)).Y;
      if (row >= FFixedRows) FMovePos = row;
      return;
    }
    case TGridState::Selecting: {
      TGridCoord cell =
          MouseCoord(std::clamp(X, 0, viewport()->width() - 1), std::clamp(Y, 0, viewport()->height() - 1));
      if (cell.X < 0) return;
      // Past an edge the selection reaches one cell further, which scrolls it into view.
      if (Y >= viewport()->height()) cell.Y = FLastPaintedRow + 1;
      if (Y < FixedHeight()) cell.Y = TopRow() - 1;
      if (X >= viewport()->width()) ++cell.X;
      if (X < FixedWidth()) cell.X = LeftCol() - 1;
      cell.X = std::clamp(cell.X, FFixedCols, ColCount() - 1);
      cell.Y = std::clamp(cell.Y, FFixedRows, RowCount() - 1);
      if (cell != FCurrent) MoveCurrent(cell.X, cell.Y, true);
      return;
    }
    case TGridState::Normal: {
      const TGridCoord cell = MouseCoord(X, Y);
      Qt::CursorShape shape = Qt::ArrowCursor;
      if (cell.X >= 0 && cell.Y < FFixedRows && (FOptions & goColSizing) && ColSizingIndex(X) >= 0)
        shape = Qt::SplitHCursor;
      else if (cell.X >= 0 && cell.X < FFixedCols && (FOptions & goRowSizing) && RowSizingIndex(Y) >= 0)
        shape = Qt::SplitVCursor;
      viewport()->setCursor(shape);
      return;
    }
  }
}

void TStringGrid::MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  const TGridState state = std::exchange(FGridState, TGridState::Normal);
  if (FMovePos != FMoveIndex) {
    if (state == TGridState::ColMoving) MoveColumn(FMoveIndex, FMovePos);
    if (state == TGridState::RowMoving) MoveRow(FMoveIndex, FMovePos);
  }
  FMoveIndex = FMovePos = -1;
}

void TStringGrid::keyPressEvent(QKeyEvent* event) {
  int key = event->key();
  KeyDown(key, event->modifiers());
  if (key == 0)
    event->accept();
  else
    QAbstractScrollArea::keyPressEvent(event);
}

void TStringGrid::mousePressEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  MouseDown(event->button(), event->modifiers(), pos.x(), pos.y());
  event->accept();
}

void TStringGrid::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  MouseMove(event->modifiers(), pos.x(), pos.y());
  event->accept();
}

void TStringGrid::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  MouseUp(event->button(), event->modifiers(), pos.x(), pos.y());
  event->accept();
}

void TStringGrid::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void TStringGrid::scrollContentsBy(int, int) { viewport()->update(); }

void TStringGrid::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
  StringGridFocusMoved(this);
}

void TStringGrid::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

void TStringGrid::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) viewport()->update();
}
