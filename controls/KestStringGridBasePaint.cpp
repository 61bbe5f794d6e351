// SPDX-License-Identifier: MIT
// The string grid's painting: cell backgrounds, texts, focus and lines.
#include "controls/KestStringGridBase.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <utility>
#include <vector>

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

void TStringGrid::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) viewport()->update();
}
