// SPDX-License-Identifier: MIT
// The base lookup table of a million numbers (0 to 999,999), through the
// page's own handlers: from the change of the range to fitted columns.
#include <QTabWidget>
#include <benchmark/benchmark.h>

#include <memory>

#include "controls/KestSpinEdit.h"
#include "controls/KestStringGrid.h"
#include "platform/Dialogs.h"
#include "radix/RadixerCalculator.h"

namespace {
void BM_LookupTableMillionRows(benchmark::State& state) {
  bool loading = true;
  auto calculator = std::make_unique<TRadixerCalculator>(loading, nullptr);
  calculator->InitRadixerCalculator();
  loading = false;
  calculator->RadixerPageControl->setCurrentWidget(calculator->BaseLookupTabSheet);
  SetMessageBoxResponder([](const QString&, const QString&, unsigned) { return IDYES; });
  for (auto _ : state) {
    state.PauseTiming();
    calculator->HexLookupToSpinEdit->SetValue(31);
    state.ResumeTiming();
    calculator->HexLookupToSpinEdit->SetValue(999999);
    benchmark::DoNotOptimize(calculator->LookupStringGrid->ColWidths(2));
  }
  SetMessageBoxResponder(nullptr);
  state.counters["rows"] = calculator->LookupStringGrid->RowCount() - 1;
}
BENCHMARK(BM_LookupTableMillionRows)->Unit(benchmark::kMillisecond)->Iterations(3);
}  // namespace
