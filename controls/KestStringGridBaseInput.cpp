// SPDX-License-Identifier: MIT
// The string grid's keys and mouse: moving the current cell, selecting,
// sizing and moving columns and rows, and focus.
#include "controls/KestStringGridBase.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <QMouseEvent>
#include <algorithm>
#include <utility>

#include "controls/KestStringGridAccessible.h"

namespace {
// Pixels either side of a column's right (a row's bottom) border that grab it for sizing.
constexpr int SizingMargin = 3;
}  // namespace

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
  if (Windowed()) {
    // The rows past the window's ends are the source's.
    const bool home = control && Key == Qt::Key_Home;
    const bool end = control && Key == Qt::Key_End;
    const TGridRowNumber row = home  ? 0
                               : end ? LastSourceRow()
                                     : AddRows(SourceRow(FCurrent.Y), target.Y - FCurrent.Y, LastSourceRow());
    target.Y = WindowRowOf(row);
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

void TStringGrid::scrollContentsBy(int, int) {
  // A windowed scroll bar moved by hand (its ends or a drag) sets the top row in proportion.
  if (Windowed() && !FSettingScrollBar) {
    const int value = verticalScrollBar()->value();
    if (value != ScrollBarValue(FTopSourceRow)) ScrollToSourceRow(TopOfScrollBar(value), false);
  }
  viewport()->update();
}

void TStringGrid::wheelEvent(QWheelEvent* event) {
  if (!Windowed()) {
    QAbstractScrollArea::wheelEvent(event);
    return;
  }
  // A step of the windowed scroll bar is a share of the rows: the wheel moves by rows.
  const int rows = -event->angleDelta().y() * QApplication::wheelScrollLines() / 120;
  ScrollToSourceRow(AddRows(FTopSourceRow, rows, LastSourceRow()), true);
  event->accept();
}

void TStringGrid::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
  StringGridFocusMoved(this);
}

void TStringGrid::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}
