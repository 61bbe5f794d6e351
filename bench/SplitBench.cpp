// SPDX-License-Identifier: MIT
// The prefix calculator's Split page: a split of 2^32 and of 2^128 rows from
// the input typed to the fitted columns, with the peak memory above what the
// calculator held before; and a 2^128-row table scrolled to rows anywhere in
// it, each drawn.
#include <QImage>
#include <QLineEdit>
#include <QTabWidget>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

#include "bench/ProcessUse.h"
#include "controls/KestSpinEdit.h"
#include "controls/KestStringGrid.h"
#include "prefix/PrefixCalculator.h"

namespace {
// The calculator in the narrowest window, on its Split page.
class TSplitCalculator {
 public:
  TSplitCalculator() : Calculator(nullptr) {
    Calculator.LoadSettings("Software\\Bench\\Absent");
    Calculator.resize(297, 455);
    Calculator.PrefixPageControl->setCurrentWidget(Calculator.SplitTabSheet->parentWidget()->parentWidget());
    Calculator.show();
  }
  void Split(const char* input, int length) {
    Calculator.InputEdit->setText(input);
    Calculator.SplitLengthSpinEdit->SetValue(length);
  }
  TPrefixCalculator Calculator;
};

// From a split of `before` into /`length`s to one of `after`, by typing `after`.
void MeasureSplit(benchmark::State& state, const char* before, const char* after, int length) {
  TSplitCalculator split;
  double peakBytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    split.Split(before, length);
    const double idle = StatusKilobytes("VmRSS");
    ResetPeakMemory();
    state.ResumeTiming();
    split.Calculator.InputEdit->setText(after);
    state.PauseTiming();
    peakBytes = std::max(peakBytes, (StatusKilobytes("VmHWM") - idle) * 1024);
    state.ResumeTiming();
  }
  state.counters["peak_bytes"] = peakBytes;
}

void BM_SplitInto2To32Rows(benchmark::State& state) { MeasureSplit(state, "2001:db8::/48", "2001:db8::/32", 64); }
BENCHMARK(BM_SplitInto2To32Rows)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

void BM_SplitInto2To128Rows(benchmark::State& state) { MeasureSplit(state, "::/1", "::/0", 128); }
BENCHMARK(BM_SplitInto2To128Rows)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

// Goes to a random row of the 2^128 and draws the screen it is on.
void BM_ScrollAnywhereIn2To128RowsAndDraw(benchmark::State& state) {
  TSplitCalculator split;
  split.Split("::/0", 128);
  TSuperStringGrid& grid = *split.Calculator.SplitStringGrid;
  if (!grid.isVisible()) state.SkipWithError("the table is not shown");
  QImage screen(grid.size(), QImage::Format_ARGB32_Premultiplied);
  std::mt19937_64 random(128);
  for (auto _ : state) {
    const TGridRowNumber row = (TGridRowNumber{random()} << 64) | random();
    grid.ShowSourceRow(row);
    grid.render(&screen);
  }
  state.counters["rows_drawn"] = grid.viewport()->height() / grid.DefaultRowHeight();
}
BENCHMARK(BM_ScrollAnywhereIn2To128RowsAndDraw)->Unit(benchmark::kMillisecond)->Iterations(200)->UseRealTime();
}  // namespace
