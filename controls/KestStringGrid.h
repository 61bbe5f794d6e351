// SPDX-License-Identifier: MIT
#pragma once
// TSuperStringGrid: the program's table. A string grid (controls/KestStringGridBase.h)
// with one alignment per column, its own font for the fixed (heading) cells,
// rows and columns that grow to fit the text they draw, column fitting,
// selection of whole rows, columns or the table by clicking headings, and the
// copy of the selection as tab-separated text.
//
// Usage:
//
//   auto* grid = new TSuperStringGrid(page);
//   grid->setObjectName("LookupStringGrid");
//   grid->SetColCount(4);
//   grid->SetFixedCols(0);                        // FixedRows stays 1
//   grid->SetDefaultColWidth(17);
//   grid->SetAutoWidth(false);
//   grid->SetAutoHeight(false);
//   grid->SetOptions(grid->Options() | goColSizing | goThumbTracking);
//   grid->SetFixedFont(headingFont);
//   grid->SetColumnAlignment(0, taRightJustify);
//   grid->SetCells(0, 0, "Decimal");              // row 0 holds the headings
//
//   // A long table: rows that are a function of their number come from a
//   // row source (controls/GridRowSource.h), which holds no text per row.
//   grid->SetRowSource(std::make_shared<TLookupSource>(from, to));
//   grid->AutoSizeColumns();                      // widest text + 4, at least DefaultColWidth
//
//   // Other tables store their texts: set the row count, then the cells.
//   grid->SetRowCount(rows + 1);
//   for (int row = 1; row <= rows; ++row) grid->SetRowUtf8(row, {decimal, hex, binary, octal});
//
//   grid->CopyToClipboard();                      // what the copy buttons call
//
// copy(), cut(), clear() and paste() are the grid's answers to the Edit
// menu's requests, named as Qt's text widgets name theirs.
#include <QColor>
#include <QFont>
#include <QPointer>
#include <functional>
#include <vector>

#include "controls/DrawFormat.h"
#include "controls/GridCopyText.h"
#include "controls/KestStringGridBase.h"

// Which clipboard requests the grid honours; a set of these flags.
enum TEditMode : unsigned { emClear = 1u << 0, emCopy = 1u << 1, emCut = 1u << 2, emPaste = 1u << 3 };
using TEditModes = unsigned;

// The font a cell is drawn in, with its colour.
struct TCellFont {
  QFont Font;
  QColor Color;
};

using TGetCellFontEvent = std::function<void(QObject* Sender, TCellFont& AFont, int ACol, int ARow)>;
using TCountChangeEvent = std::function<void(QObject* Sender, int OldCount)>;
// Whether the copy of `Copied` may go ahead.
using TCopyQueryEvent = std::function<bool(QObject* Sender, const TGridRect& Copied)>;

class TSuperStringGrid : public TStringGrid {
  Q_OBJECT
 public:
  explicit TSuperStringGrid(QWidget* parent = nullptr);
  ~TSuperStringGrid() override;

  bool AutoHeight() const { return FAutoHeight; }
  void SetAutoHeight(bool autoHeight);
  bool AutoWidth() const { return FAutoWidth; }
  void SetAutoWidth(bool autoWidth);
  TEditModes EditModes() const { return FEditModes; }
  void SetEditModes(TEditModes modes);
  TCopyModes CopyModes() const { return FCopyModes; }
  void SetCopyModes(TCopyModes modes);

  // Font of the fixed cells. Setting it stops it following the parent's font.
  QFont FixedFont() const { return FFixedFont; }
  void SetFixedFont(const QFont& font);
  // Whether FixedFont follows the parent widget's font.
  bool ParentFixedFont() const { return FParentFixedFont; }
  void SetParentFixedFont(bool parentFixedFont);

  // Alignment of the non-fixed cells of a column; fixed cells are centred.
  // Columns outside the grid read as left-aligned and ignore setting.
  TAlignment ColumnAlignment(int ACol) const;
  void SetColumnAlignment(int ACol, TAlignment Alignment);

  // Makes a column as wide as its widest text plus 4 pixels, each text in the
  // font its cell is drawn in, and never narrower than DefaultColWidth. With a
  // row source, the source's widest texts stand for the rows below the fixed ones.
  void AutoSizeColumn(int ACol);
  void AutoSizeColumns();

  // Copies the selection as copy() does.
  void CopyToClipboard();

  // The heading cell held down with the left button, or (-1, -1).
  TGridCoord PressedCell() const { return FPressedCell; }
  // Whether PressedCell is drawn pressed.
  bool PressedDrawn() const { return FPressedDrawn; }
  // The heading of the last whole-row, whole-column or whole-table selection.
  TGridCoord SelectAnchor() const { return FSelectAnchor; }

  TGetCellFontEvent OnGetCellFont;
  TCountChangeEvent OnColCountChange;
  TCountChangeEvent OnRowCountChange;
  // Asked before copy() puts the text of its cells on the clipboard.
  TCopyQueryEvent OnCopyQuery;

 public slots:
  // With emCopy: puts the copy text of the selection on the clipboard.
  void copy();
  // With emCut: copies as copy() does and, with goEditing, empties the copied
  // non-fixed cells.
  void cut();
  // With emClear: empties the selected cells.
  void clear();
  // The grid takes nothing from the clipboard.
  void paste();

 protected:
  void DrawCell(QPainter& painter, int ACol, int ARow, const QRect& ARect, TGridDrawState AState) override;
  void KeyDown(int& Key, Qt::KeyboardModifiers Shift) override;
  void MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) override;
  void MouseMove(Qt::KeyboardModifiers Shift, int X, int Y) override;
  void MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) override;
  void ColumnMoved(int FromIndex, int ToIndex) override;
  void SizeChanged(int OldColCount, int OldRowCount) override;

  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class TFontWidths;

  // The font and colour a cell is drawn in (OnGetCellFont applied).
  TCellFont CellFont(int ACol, int ARow, TGridDrawState AState);
  // The text's place in the cell; with `grow` the row and column first grow to fit it.
  QRect TextRect(int ACol, int ARow, const QRect& ARect, const QString& text, const QFont& font, bool grow);
  void AutoSizeColumn(int ACol, TFontWidths& widths);
  TAppendCellText CellTexts() const;
  bool IsRowHeading(int ACol, int ARow, int Y) const;
  bool IsColHeading(int ACol, int ARow, int X) const;
  void SetPressedDrawn(bool drawn);
  void FollowParent();
  void ApplyFixedFont(const QFont& font);

  bool FAutoHeight = true;
  bool FAutoWidth = true;
  TEditModes FEditModes = emCopy;
  TCopyModes FCopyModes = cmFixedCols | cmFixedRows;
  QFont FFixedFont;
  bool FParentFixedFont = true;
  std::vector<TAlignment> FColumnAlignments;
  TGridCoord FPressedCell;
  bool FMouseHeld = false;
  bool FPressedDrawn = false;
  TGridCoord FSelectAnchor{0, 0};
  QPointer<QWidget> FWatchedParent;
};
