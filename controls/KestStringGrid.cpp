// SPDX-License-Identifier: MIT
#include "controls/KestStringGrid.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <memory>
#include <utility>

#include "controls/GridTextWidth.h"
#include "controls/KestStringGridAccessible.h"
#include "platform/Clipboard.h"

namespace {
QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A painter completes a font's unset properties from the widget's own font
// (the family of a heading font that only sets a size would become the
// cells' family); metrics take the font as it is. Drawing it with every
// property fixed draws exactly what was measured.
QFont AsMeasured(QFont font) {
  font.setResolveMask(QFont::AllPropertiesResolved);
  return font;
}
}  // namespace

// Width caches for the fonts met while fitting columns.
class TSuperStringGrid::TFontWidths {
 public:
  explicit TFontWidths(const QPaintDevice* device) : FDevice(device) {}

  TTextWidthCache& For(const QFont& font) {
    for (auto& [known, cache] : FCaches)
      if (known == font) return *cache;
    const QFontMetricsF metrics(font, FDevice);
    auto measure = [metrics](std::string_view text) {
      return qRound64(metrics.horizontalAdvance(FromUtf8(text)) * 64);
    };
    auto countGlyphs = [font, device = FDevice](std::string_view text) {
      QTextLayout layout(FromUtf8(text), font, device);
      layout.beginLayout();
      layout.createLine();
      layout.endLayout();
      std::size_t glyphs = 0;
      for (const QGlyphRun& run : layout.glyphRuns()) glyphs += static_cast<std::size_t>(run.glyphIndexes().size());
      return glyphs;
    };
    FCaches.emplace_back(font, std::make_unique<TTextWidthCache>(measure, countGlyphs));
    return *FCaches.back().second;
  }

 private:
  const QPaintDevice* FDevice;
  std::vector<std::pair<QFont, std::unique_ptr<TTextWidthCache>>> FCaches;
};

TSuperStringGrid::TSuperStringGrid(QWidget* parent) : TStringGrid(parent) {
  SetFixedCols(0);
  SetDefaultRowHeight(17);
  SetOptions(Options() | goDrawFocusSelected);
  FColumnAlignments.assign(static_cast<std::size_t>(ColCount()), taLeftJustify);
  resize(345, 105);
  FollowParent();
}

TSuperStringGrid::~TSuperStringGrid() = default;

void TSuperStringGrid::SetAutoHeight(bool autoHeight) {
  if (autoHeight == FAutoHeight) return;
  FAutoHeight = autoHeight;
  viewport()->update();
}

void TSuperStringGrid::SetAutoWidth(bool autoWidth) {
  if (autoWidth == FAutoWidth) return;
  FAutoWidth = autoWidth;
  viewport()->update();
}

void TSuperStringGrid::SetEditModes(TEditModes modes) { FEditModes = modes; }

void TSuperStringGrid::SetCopyModes(TCopyModes modes) { FCopyModes = modes; }

void TSuperStringGrid::SetFixedFont(const QFont& font) {
  if (font == FFixedFont) return;
  FParentFixedFont = false;
  ApplyFixedFont(font);
}

void TSuperStringGrid::ApplyFixedFont(const QFont& font) {
  if (font == FFixedFont) return;
  FFixedFont = font;
  viewport()->update();
}

void TSuperStringGrid::SetParentFixedFont(bool parentFixedFont) {
  if (parentFixedFont == FParentFixedFont) return;
  FParentFixedFont = parentFixedFont;
  if (FParentFixedFont && parentWidget()) ApplyFixedFont(parentWidget()->font());
}

void TSuperStringGrid::FollowParent() {
  if (FWatchedParent) FWatchedParent->removeEventFilter(this);
  FWatchedParent = parentWidget();
  if (!FWatchedParent) return;
  FWatchedParent->installEventFilter(this);
  if (FParentFixedFont) ApplyFixedFont(FWatchedParent->font());
}

bool TSuperStringGrid::event(QEvent* event) {
  if (event->type() == QEvent::ParentChange) FollowParent();
  return TStringGrid::event(event);
}

bool TSuperStringGrid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FWatchedParent && event->type() == QEvent::FontChange && FParentFixedFont)
    ApplyFixedFont(FWatchedParent->font());
  return TStringGrid::eventFilter(watched, event);
}

TAlignment TSuperStringGrid::ColumnAlignment(int ACol) const {
  if (ACol < 0 || ACol >= ColCount()) return taLeftJustify;
  return FColumnAlignments[static_cast<std::size_t>(ACol)];
}

void TSuperStringGrid::SetColumnAlignment(int ACol, TAlignment Alignment) {
  if (ACol < 0 || ACol >= ColCount()) return;
  TAlignment& alignment = FColumnAlignments[static_cast<std::size_t>(ACol)];
  if (alignment == Alignment) return;
  alignment = Alignment;
  viewport()->update();
}

void TSuperStringGrid::SizeChanged(int OldColCount, int OldRowCount) {
  TStringGrid::SizeChanged(OldColCount, OldRowCount);
  if (FPressedCell.X >= ColCount() || FPressedCell.Y >= RowCount()) {
    FPressedCell = {};
    FMouseHeld = FPressedDrawn = false;
  }
  if (ColCount() != OldColCount) {
    FColumnAlignments.resize(static_cast<std::size_t>(ColCount()), taLeftJustify);
    if (OnColCountChange) OnColCountChange(this, OldColCount);
  }
  if (RowCount() != OldRowCount && OnRowCountChange) OnRowCountChange(this, OldRowCount);
}

void TSuperStringGrid::ColumnMoved(int FromIndex, int ToIndex) {
  TStringGrid::ColumnMoved(FromIndex, ToIndex);
  MoveItem(FColumnAlignments, FromIndex, ToIndex);
}

TCellFont TSuperStringGrid::CellFont(int ACol, int ARow, TGridDrawState AState) {
  const QPalette& colors = palette();
  TCellFont cellFont{(AState & gdFixed) ? FFixedFont : font(), colors.color(QPalette::Text)};
  if (AState & gdFocused) {
    if (Options() & goDrawFocusSelected) cellFont.Color = colors.color(QPalette::HighlightedText);
  } else if (AState & gdSelected) {
    cellFont.Color = colors.color(QPalette::HighlightedText);
  }
  if (OnGetCellFont) OnGetCellFont(this, cellFont, ACol, ARow);
  return cellFont;
}

QRect TSuperStringGrid::TextRect(int ACol, int ARow, const QRect& ARect, const QString& text, const QFont& font,
                                 bool grow) {
  int textWidth = 0;
  int textHeight = 0;
  if (!text.isEmpty()) {
    const QFontMetrics metrics(font, this);
    textWidth = metrics.horizontalAdvance(text);
    textHeight = metrics.height();
    if (grow && FAutoHeight) {
      if (RowHeights(ARow) < textHeight + 2) SetRowHeights(ARow, textHeight + 2);
    } else {
      textHeight = std::max(0, std::min(textHeight, ARect.height() - 2));
    }
    if (grow && FAutoWidth) {
      if (ColWidths(ACol) < textWidth + 4) SetColWidths(ACol, textWidth + 4);
    } else {
      textWidth = std::max(0, std::min(textWidth, ARect.width() - 4));
    }
  }
  const TAlignment alignment = IsFixed(ACol, ARow) ? taCenter : ColumnAlignment(ACol);
  int left = ARect.left() + (ColWidths(ACol) - textWidth) / 2;
  if (alignment == taRightJustify)
    left = ARect.left() + ARect.width() - 2 - textWidth;
  else if (alignment == taLeftJustify)
    left = ARect.left() + 2;
  const int top = ARect.top() + (RowHeights(ARow) - textHeight) / 2;
  return {left, top, textWidth, textHeight};
}

void TSuperStringGrid::DrawCell(QPainter& painter, int ACol, int ARow, const QRect& ARect, TGridDrawState AState) {
  if (!DefaultDrawing()) {
    TStringGrid::DrawCell(painter, ACol, ARow, ARect, AState);
    return;
  }
  const TCellFont cellFont = CellFont(ACol, ARow, AState);
  const QString text = Cells(ACol, ARow);
  const QRect textRect = TextRect(ACol, ARow, ARect, text, cellFont.Font, true);
  if (!textRect.isEmpty()) {
    painter.setClipRect(textRect);
    painter.setFont(AsMeasured(cellFont.Font));
    painter.setPen(cellFont.Color);
    painter.drawText(textRect.left(), textRect.top() + QFontMetrics(cellFont.Font, this).ascent(), text);
  }
  if (OnDrawCell) OnDrawCell(this, ACol, ARow, textRect, AState);
}

void TSuperStringGrid::paintEvent(QPaintEvent* event) {
  TStringGrid::paintEvent(event);
  if (!FPressedDrawn) return;
  const QRect cell = CellRect(FPressedCell.X, FPressedCell.Y);
  if (cell.isEmpty()) return;
  QPainter painter(viewport());
  const QPalette& colors = palette();
  painter.fillRect(cell, colors.color(QPalette::Button));
  painter.fillRect(cell.left(), cell.top(), cell.width(), 1, colors.color(QPalette::Dark));
  painter.fillRect(cell.left(), cell.top(), 1, cell.height(), colors.color(QPalette::Dark));
  const TCellFont cellFont = CellFont(FPressedCell.X, FPressedCell.Y, gdFixed);
  const QString text = Cells(FPressedCell.X, FPressedCell.Y);
  const QRect textRect = TextRect(FPressedCell.X, FPressedCell.Y, cell, text, cellFont.Font, false).translated(1, 1);
  if (textRect.isEmpty()) return;
  painter.setClipRect(textRect);
  painter.setFont(AsMeasured(cellFont.Font));
  painter.setPen(cellFont.Color);
  painter.drawText(textRect.left(), textRect.top() + QFontMetrics(cellFont.Font, this).ascent(), text);
}

void TSuperStringGrid::AutoSizeColumn(int ACol) {
  TFontWidths widths(this);
  AutoSizeColumn(ACol, widths);
}

void TSuperStringGrid::AutoSizeColumns() {
  TFontWidths widths(this);
  for (int col = 0; col < ColCount(); ++col) AutoSizeColumn(col, widths);
  // Every fill of a table ends in fitting its columns: tell assistive technology here.
  StringGridFilled(this);
}

void TSuperStringGrid::AutoSizeColumn(int ACol, TFontWidths& widths) {
  if (ACol < 0 || ACol >= ColCount()) return;
  int width = DefaultColWidth();
  TTextWidthCache& fixed = widths.For(FFixedFont);
  TTextWidthCache& body = ACol < FixedCols() ? fixed : widths.For(font());
  auto fit = [&](int row, std::string_view text) {
    const TGridDrawState state = IsFixed(ACol, row) ? TGridDrawState{gdFixed} : TGridDrawState{0};
    TTextWidthCache& cache = OnGetCellFont ? widths.For(CellFont(ACol, row, state).Font) : state ? fixed : body;
    width = std::max(width, cache.Width(text) + 4);
  };
  if (const TGridRowSource* source = RowSource()) {
    CellStore().ForEachText(ACol, 0, FixedRows() - 1, fit);
    // The rows' texts are the source's; its widest ones stand for them all.
    if (RowCount() > FixedRows())
      for (const std::string& text : source->WidestTexts(ACol)) fit(FixedRows(), text);
  } else {
    CellStore().ForEachText(ACol, 0, RowCount() - 1, fit);
  }
  SetColWidths(ACol, width);
}

void TSuperStringGrid::CopyToClipboard() { copy(); }

TAppendCellText TSuperStringGrid::CellTexts() const {
  return [this](int col, int row, std::string& out) { AppendCellText(col, row, out); };
}

void TSuperStringGrid::copy() {
  if (!(FEditModes & emCopy)) return;
  const TGridRect copied = CopiedCells(Selection(), ColCount(), RowCount(), FixedCols(), FixedRows(), FCopyModes);
  if (OnCopyQuery && !OnCopyQuery(this, copied)) return;
  ClipboardSetText(FromUtf8(GridCopyText(CellTexts(), copied, FixedCols(), FixedRows(), FCopyModes)));
}

void TSuperStringGrid::cut() {
  if (!(FEditModes & emCut)) return;
  const TGridRect copied = CopiedCells(Selection(), ColCount(), RowCount(), FixedCols(), FixedRows(), FCopyModes);
  const QString text = FromUtf8(GridCopyText(CellTexts(), copied, FixedCols(), FixedRows(), FCopyModes));
  if (Options() & goEditing) ClearCells(copied);
  ClipboardSetText(text);
}

void TSuperStringGrid::clear() {
  if (FEditModes & emClear) ClearCells(Selection());
}

void TSuperStringGrid::paste() {}

void TSuperStringGrid::KeyDown(int& Key, Qt::KeyboardModifiers Shift) {
  // Posted, so that they run once the key event is done with.
  auto post = [this, &Key](void (TSuperStringGrid::*request)()) {
    QMetaObject::invokeMethod(this, request, Qt::QueuedConnection);
    Key = 0;
  };
  if (Key == Qt::Key_Delete) {
    post(&TSuperStringGrid::clear);
  } else if (Shift & Qt::ControlModifier) {
    if (Key == Qt::Key_C) post(&TSuperStringGrid::copy);
    if (Key == Qt::Key_P) post(&TSuperStringGrid::paste);
    if (Key == Qt::Key_X) post(&TSuperStringGrid::cut);
  }
  TStringGrid::KeyDown(Key, Shift);
}

bool TSuperStringGrid::IsRowHeading(int ACol, int ARow, int Y) const {
  if (ACol >= FixedCols()) return false;
  if (!(Options() & goRowSizing)) return true;
  const QRect cell = CellRect(ACol, ARow);
  const int top = cell.top();
  const int bottom = cell.top() + cell.height();
  if (top + 3 < Y && Y < bottom - 3) return true;
  return ARow == FixedRows() && Y < top + 3;
}

bool TSuperStringGrid::IsColHeading(int ACol, int ARow, int X) const {
  if (ARow >= FixedRows()) return false;
  if (!(Options() & goColSizing)) return true;
  const QRect cell = CellRect(ACol, ARow);
  const int left = cell.left();
  const int right = cell.left() + cell.width();
  if (left + 3 < X && X < right - 3) return true;
  return ACol == FixedCols() && X < right - 3;
}

void TSuperStringGrid::SetPressedDrawn(bool drawn) {
  FPressedDrawn = drawn;
  InvalidateCell(FPressedCell.X, FPressedCell.Y);
}

void TSuperStringGrid::MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) {
  if (Button == Qt::LeftButton) {
    const TGridCoord cell = MouseCoord(X, Y);
    const bool corner = cell.X >= 0 && cell.X < FixedCols() && cell.Y < FixedRows();
    if (cell.X >= 0 && (corner || IsRowHeading(cell.X, cell.Y, Y) || IsColHeading(cell.X, cell.Y, X))) {
      FPressedCell = cell;
      FMouseHeld = true;
      SetPressedDrawn(true);
    } else {
      FPressedCell = {};
    }
  }
  TStringGrid::MouseDown(Button, Shift, X, Y);
}

void TSuperStringGrid::MouseMove(Qt::KeyboardModifiers Shift, int X, int Y) {
  if (FMouseHeld && FPressedCell.X >= 0) {
    const bool pressed = MouseCoord(X, Y) == FPressedCell ||
                         (FPressedCell.X < FixedCols() && (Options() & goRowMoving)) ||
                         (FPressedCell.Y < FixedRows() && (Options() & goColMoving));
    if (pressed != FPressedDrawn) SetPressedDrawn(pressed);
  }
  TStringGrid::MouseMove(Shift, X, Y);
}

void TSuperStringGrid::MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) {
  const bool held = std::exchange(FMouseHeld, false);
  if (FPressedCell.X >= 0) SetPressedDrawn(false);
  // Only the release that ends a heading press selects.
  if (held && FPressedCell.X >= 0 && MouseCoord(X, Y) == FPressedCell) {
    const TGridCoord cell = FPressedCell;
    const bool extend = (Shift & Qt::ShiftModifier) && (Options() & goRangeSelect);
    const int lastCol = ColCount() - 1;
    const int lastRow = RowCount() - 1;
    TGridRect selection = Selection();
    if (cell.X < FixedCols() && cell.Y < FixedRows()) {
      SetSelection({FixedCols(), FixedRows(), lastCol, lastRow});
      FSelectAnchor = cell;
    } else if (cell.X < FixedCols()) {
      if (extend && FSelectAnchor.X == 0) {
        selection.Top = std::max(FixedRows(), std::min(FSelectAnchor.Y, cell.Y));
        selection.Bottom = std::max(FSelectAnchor.Y, cell.Y);
        SetSelection(selection);
      } else {
        SetSelection({FixedCols(), cell.Y, lastCol, cell.Y});
        FSelectAnchor = cell;
      }
    } else {
      if (extend && FSelectAnchor.Y == 0) {
        selection.Left = std::max(FixedCols(), std::min(FSelectAnchor.X, cell.X));
        selection.Right = std::max(FSelectAnchor.X, cell.X);
        SetSelection(selection);
      } else {
        SetSelection({cell.X, FixedRows(), cell.X, lastRow});
        FSelectAnchor = cell;
      }
    }
  }
  FPressedDrawn = false;
  TStringGrid::MouseUp(Button, Shift, X, Y);
}
