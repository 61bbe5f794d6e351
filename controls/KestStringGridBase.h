// SPDX-License-Identifier: MIT
#pragma once
// The string grid that the program's table control builds on: a scrollable
// grid of text cells with fixed (heading) rows at the top and fixed columns at
// the left that stay in place while the rest scrolls by whole rows and
// columns, a current cell, and one rectangular selection of non-fixed cells.
//
// Coordinates are (column, row), 0-based, fixed cells included: the cell
// Cells(0, 0) is the top left heading. The grid scrolls by cells: TopRow and
// LeftCol are the first non-fixed row and column shown.
#include <QAbstractScrollArea>
#include <QRect>
#include <QString>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "controls/GridCellStore.h"
#include "controls/GridRowSource.h"

class QPainter;

// A set of these flags.
enum TGridOption : unsigned {
  goFixedVertLine = 1u << 0,  // lines between fixed columns
  goFixedHorzLine = 1u << 1,  // lines between fixed rows
  goVertLine = 1u << 2,       // lines between columns
  goHorzLine = 1u << 3,       // lines between rows
  goRangeSelect = 1u << 4,    // the selection may span several cells
  goDrawFocusSelected = 1u << 5,
  goRowSizing = 1u << 6,      // rows resizable by dragging a border in a fixed column
  goColSizing = 1u << 7,      // columns resizable by dragging a border in a fixed row
  goRowMoving = 1u << 8,      // rows movable by dragging their fixed-column cell
  goColMoving = 1u << 9,      // columns movable by dragging their fixed-row cell
  goEditing = 1u << 10,       // the cells' texts may be changed by the user (cut clears them)
  goThumbTracking = 1u << 11, // scroll while the scroll box is dragged, not only when dropped
};
using TGridOptions = unsigned;

// A set of these flags.
enum TGridDrawStateFlag : unsigned { gdSelected = 1u << 0, gdFocused = 1u << 1, gdFixed = 1u << 2 };
using TGridDrawState = unsigned;

struct TGridCoord {
  int X = -1;  // column
  int Y = -1;  // row
  friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// Rect is the rectangle the cell's text was drawn in.
using TDrawCellEvent =
    std::function<void(QObject* Sender, int ACol, int ARow, const QRect& Rect, TGridDrawState State)>;

class TStringGrid : public QAbstractScrollArea {
  Q_OBJECT
 public:
  explicit TStringGrid(QWidget* parent = nullptr);
  ~TStringGrid() override;

  // Cell texts. Outside the grid a text reads as empty and writing does nothing.
  // With a row source the rows below the fixed ones read from it.
  QString Cells(int ACol, int ARow) const;
  void SetCells(int ACol, int ARow, const QString& text);
  // The same as UTF-8 bytes.
  std::string CellsUtf8(int ACol, int ARow) const;
  // Appends the cell's text to `out`.
  void AppendCellText(int ACol, int ARow, std::string& out) const;
  void SetCellsUtf8(int ACol, int ARow, std::string_view text);
  // Writes the cells of row ARow from column 0 on.
  void SetRowUtf8(int ARow, std::initializer_list<std::string_view> texts);
  // The bytes held for the cells.
  std::size_t CellBytes() const { return FCells.AllocatedBytes(); }

  // Makes the rows below the fixed ones those of `source` (null: the stored
  // texts again, emptied, in as many rows); the row count follows it. A source
  // of more than WindowRows rows is shown through a window of WindowRows of
  // them: the grid's rows below the fixed ones are those of the window, which
  // moves along as the grid scrolls, keeping the top row and the current cell
  // in it. The vertical scroll bar then spans the whole source in proportion
  // (its ends are its first and last rows); keys and the wheel move by rows.
  // A selection spans at most the window.
  void SetRowSource(std::shared_ptr<const TGridRowSource> source);
  const TGridRowSource* RowSource() const { return FRowSource.get(); }
  static constexpr int WindowRows = 1 << 24;
  // The source row shown in row ARow (one below the fixed rows).
  TGridRowNumber SourceRow(int ARow) const;
  // Makes source row `row` the current row, in view; returns its grid row.
  int ShowSourceRow(TGridRowNumber row);

  int ColCount() const { return FCells.ColCount(); }
  // At least 1; fewer columns than fixed ones reduce FixedCols.
  void SetColCount(int count);
  int RowCount() const { return FRowCount; }
  // At least 1; fewer rows than fixed ones reduce FixedRows.
  void SetRowCount(int count);
  int FixedCols() const { return FFixedCols; }
  // Ignored unless 0 <= count < ColCount.
  void SetFixedCols(int count);
  int FixedRows() const { return FFixedRows; }
  // Ignored unless 0 <= count < RowCount.
  void SetFixedRows(int count);

  int DefaultColWidth() const { return FDefaultColWidth; }
  // Also gives every column this width.
  void SetDefaultColWidth(int width);
  int DefaultRowHeight() const { return FDefaultRowHeight; }
  // Also gives every row this height.
  void SetDefaultRowHeight(int height);
  int ColWidths(int ACol) const;
  void SetColWidths(int ACol, int width);
  int RowHeights(int ARow) const;
  void SetRowHeights(int ARow, int height);

  TGridOptions Options() const { return FOptions; }
  void SetOptions(TGridOptions options);
  bool DefaultDrawing() const { return FDefaultDrawing; }
  void SetDefaultDrawing(bool defaultDrawing);

  // The current cell.
  int Col() const { return FCurrent.X; }
  void SetCol(int ACol);
  int Row() const { return FCurrent.Y; }
  void SetRow(int ARow);
  // The selected cells: the rectangle between the anchor and the current
  // cell. Setting it makes its top left the anchor and its bottom right the
  // current cell; it is limited to the non-fixed cells.
  TGridRect Selection() const;
  void SetSelection(const TGridRect& selection);

  int TopRow() const;
  void SetTopRow(int ARow);
  int LeftCol() const;
  void SetLeftCol(int ACol);

  // The cell's rectangle on the viewport; empty when it is scrolled out of view.
  QRect CellRect(int ACol, int ARow) const;
  // The cell under a viewport point; (-1, -1) outside every cell.
  TGridCoord MouseCoord(int X, int Y) const;

  // Moves a column or row, with its texts and size, to another index; those
  // in between shift by one. Rows do not move while there is a row source.
  void MoveColumn(int FromIndex, int ToIndex);
  void MoveRow(int FromIndex, int ToIndex);

  QSize sizeHint() const override;

  // Called for every cell drawn, after the grid's own drawing.
  TDrawCellEvent OnDrawCell;

 protected:
  // Draws a cell's content on its background (already filled in the window,
  // heading or highlight colour); ARect is the cell on the viewport. Without
  // DefaultDrawing only OnDrawCell draws.
  virtual void DrawCell(QPainter& painter, int ACol, int ARow, const QRect& ARect, TGridDrawState AState);
  // Key is the Qt key code; setting it to 0 marks the key handled.
  virtual void KeyDown(int& Key, Qt::KeyboardModifiers Shift);
  virtual void MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  virtual void MouseMove(Qt::KeyboardModifiers Shift, int X, int Y);
  virtual void MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  // Moves the texts of a moved column or row.
  virtual void ColumnMoved(int FromIndex, int ToIndex);
  virtual void RowMoved(int FromIndex, int ToIndex);
  // Called after the column or row count changed.
  virtual void SizeChanged(int OldColCount, int OldRowCount);

  bool IsFixed(int ACol, int ARow) const { return ACol < FFixedCols || ARow < FFixedRows; }
  const TGridCellStore& CellStore() const { return FCells; }
  // Empties the cells of a rectangle.
  void ClearCells(const TGridRect& cells);
  void InvalidateCell(int ACol, int ARow);

  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  enum class TGridState { Normal, Selecting, ColSizing, RowSizing, ColMoving, RowMoving };

  void ChangeSize(int colCount, int rowCount);
  void ClampCurrent();
  int ColLineWidth() const;
  int RowLineWidth() const;
  int FixedWidth() const;
  int FixedHeight() const;
  int LastTopRow() const;
  int LastLeftCol() const;
  int VisibleRowCount() const;
  int VisibleColCount() const;
  void UpdateScrollBars();
  void ScrollInView(int ACol, int ARow);
  // Makes (ACol, ARow) the current cell; with `extend` (and range selection
  // on) the anchor stays, else it moves along.
  void MoveCurrent(int ACol, int ARow, bool extend);
  void CellChanged(int ACol, int ARow);
  void PaintCell(QPainter& painter, int ACol, int ARow, const QRect& rect);
  // The column whose right border lies within a few pixels of X, or -1.
  int ColSizingIndex(int X) const;
  int RowSizingIndex(int Y) const;
  // The windowed scroll bar's positions: finer than any screen's pixels.
  static constexpr int ScrollBarSteps = 1 << 20;
  // Whether the source has more rows than the window.
  bool Windowed() const { return FRowSource && FRowSource->LastRow() >= WindowRows; }
  TGridRowNumber LastSourceRow() const { return FRowSource->LastRow(); }
  TGridRowNumber LastTopSourceRow() const;
  // Moves the window to hold `row`, in its middle when it can; returns row's grid row.
  int WindowRowOf(TGridRowNumber row);
  // The grid row of `row`, the window's first or last row when it lies outside.
  int ClampedWindowRow(TGridRowNumber row) const;
  // Windowed: scrolls `top` to the top, moving the window when needed, and the
  // scroll bar along with `moveBar`.
  void ScrollToSourceRow(TGridRowNumber top, bool moveBar);
  int ScrollBarValue(TGridRowNumber top) const;
  TGridRowNumber TopOfScrollBar(int value) const;
  void ScrollBarAction(int action);

  TGridCellStore FCells;
  std::shared_ptr<const TGridRowSource> FRowSource;
  int FRowCount = 0;
  int FFixedCols = 1;
  int FFixedRows = 1;
  int FDefaultColWidth = 64;
  int FDefaultRowHeight = 24;
  std::vector<int> FColWidths;
  std::map<int, int> FRowHeights;  // rows of another height than the default
  TGridOptions FOptions = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
  bool FDefaultDrawing = true;
  TGridCoord FAnchor{1, 1};
  TGridCoord FCurrent{1, 1};
  TGridState FGridState = TGridState::Normal;
  int FSizingIndex = -1;
  int FSizingOffset = 0;  // pointer position minus the sized column's (row's) far edge
  int FMoveIndex = -1;
  int FMovePos = -1;
  int FLastPaintedRow = 0;  // the last non-fixed row of the last paint
  TGridRowNumber FRowBase = 0;  // the source row of the first row below the fixed ones
  TGridRowNumber FTopSourceRow = 0;  // windowed: the source row at the top
  bool FSettingScrollBar = false;  // windowed: the scroll bar follows the top row
};
