// SPDX-License-Identifier: MIT
// The string grid's rows below the fixed ones taken from a row source, and the
// window through which it shows a source of more rows than it can number.
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <utility>

#include "controls/KestStringGridAccessible.h"
#include "controls/KestStringGridBase.h"

namespace {
// More rows than any screen shows: the window holds this many past the top row.
constexpr TGridRowNumber ScreenRows = 1 << 16;
}  // namespace

void TStringGrid::AppendCellText(int ACol, int ARow, std::string& out) const {
  if (FRowSource && ARow >= FFixedRows && ACol >= 0 && ACol < ColCount() &&
      static_cast<TGridRowNumber>(ARow - FFixedRows) <= FRowSource->LastRow() - FRowBase)
    FRowSource->AppendText(SourceRow(ARow), ACol, out);
  else
    out += FCells.Text(ACol, ARow);
}

void TStringGrid::SetRowSource(std::shared_ptr<const TGridRowSource> source) {
  int rowCount = RowCount();
  if (source) {
    const TGridRowNumber last = source->LastRow();
    rowCount = FFixedRows + (last >= WindowRows ? WindowRows : static_cast<int>(last) + 1);
  }
  const bool wasWindowed = Windowed();
  // The rows below the fixed ones lose their stored texts either way.
  FCells.SetSize(ColCount(), FFixedRows);
  FRowSource = std::move(source);
  FRowBase = FTopSourceRow = 0;
  // A windowed scroll bar's position is no top row.
  if (wasWindowed) {
    const QSignalBlocker blocker(verticalScrollBar());
    verticalScrollBar()->setValue(FFixedRows);
  }
  ChangeSize(ColCount(), rowCount);
}

TGridRowNumber TStringGrid::SourceRow(int ARow) const { return FRowBase + static_cast<TGridRowNumber>(ARow - FFixedRows); }

int TStringGrid::ShowSourceRow(TGridRowNumber row) {
  if (!FRowSource) return FFixedRows;
  const int gridRow = WindowRowOf(std::min(row, LastSourceRow()));
  MoveCurrent(FCurrent.X, gridRow, false);
  return FCurrent.Y;
}

int TStringGrid::ClampedWindowRow(TGridRowNumber row) const {
  if (row < FRowBase) return FFixedRows;
  return row - FRowBase >= static_cast<TGridRowNumber>(RowCount() - FFixedRows) ? RowCount() - 1
                                                                                : FFixedRows + static_cast<int>(row - FRowBase);
}

int TStringGrid::WindowRowOf(TGridRowNumber row) {
  if (!Windowed() || (row >= FRowBase && row - FRowBase < WindowRows)) return ClampedWindowRow(row);
  const TGridRowNumber current = SourceRow(FCurrent.Y);
  const TGridRowNumber anchor = SourceRow(FAnchor.Y);
  const TGridRowNumber half = WindowRows / 2;
  FRowBase = std::min(row > half ? row - half : 0, LastSourceRow() - (WindowRows - 1));
  // The cells keep their rows as far as the window holds them.
  FCurrent.Y = ClampedWindowRow(current);
  FAnchor.Y = ClampedWindowRow(anchor);
  FRowHeights.erase(FRowHeights.lower_bound(FFixedRows), FRowHeights.end());
  viewport()->update();
  StringGridStructureChanged(this);
  return ClampedWindowRow(row);
}

TGridRowNumber TStringGrid::LastTopSourceRow() const {
  // The rows of the window's last screen are as high as those of the source's.
  return LastSourceRow() - static_cast<TGridRowNumber>(RowCount() - 1 - LastTopRow());
}

void TStringGrid::ScrollToSourceRow(TGridRowNumber top, bool moveBar) {
  top = std::min(top, LastTopSourceRow());
  if (top < FRowBase || top - FRowBase > WindowRows - ScreenRows) WindowRowOf(top);
  FTopSourceRow = top;
  if (moveBar) {
    const bool setting = std::exchange(FSettingScrollBar, true);
    verticalScrollBar()->setValue(ScrollBarValue(top));
    FSettingScrollBar = setting;
  }
  viewport()->update();
}

int TStringGrid::ScrollBarValue(TGridRowNumber top) const {
  const TGridRowNumber last = LastTopSourceRow();
  if (top >= last) return ScrollBarSteps;
  return std::min(ScrollBarSteps - 1, static_cast<int>(std::lround(static_cast<long double>(top) /
                                                                    static_cast<long double>(last) * ScrollBarSteps)));
}

TGridRowNumber TStringGrid::TopOfScrollBar(int value) const {
  // Exact at both ends, without a product wider than 128 bits.
  const TGridRowNumber last = LastTopSourceRow();
  const auto steps = static_cast<TGridRowNumber>(ScrollBarSteps);
  const auto at = static_cast<TGridRowNumber>(std::clamp(value, 0, ScrollBarSteps));
  return last / steps * at + last % steps * at / steps;
}

void TStringGrid::ScrollBarAction(int action) {
  const TGridRowNumber top = FTopSourceRow;
  const int page = std::max(1, VisibleRowCount());
  TGridRowNumber target = top;
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: target = AddRows(top, 1, LastSourceRow()); break;
    case QAbstractSlider::SliderSingleStepSub: target = AddRows(top, -1, LastSourceRow()); break;
    case QAbstractSlider::SliderPageStepAdd: target = AddRows(top, page, LastSourceRow()); break;
    case QAbstractSlider::SliderPageStepSub: target = AddRows(top, -page, LastSourceRow()); break;
    case QAbstractSlider::SliderToMinimum: target = 0; break;
    case QAbstractSlider::SliderToMaximum: target = LastTopSourceRow(); break;
    default: return;  // a drag maps the slider's position in proportion
  }
  ScrollToSourceRow(target, false);
  // The position the action computed is replaced before it becomes the value.
  verticalScrollBar()->setSliderPosition(ScrollBarValue(FTopSourceRow));
}
