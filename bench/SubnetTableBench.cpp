// SPDX-License-Identifier: MIT
// The largest subnet and host table through the calculator's own handlers:
// 10.0.0.1 under 255.255.255.252 with the one-subnet-bit option, subnets 0 to
// 4,194,303. Each run times the range change up to the fitted columns, and
// reports the peak memory above what the calculator held before it; and the
// same for saving the table to a file.
#include <QAction>
#include <QFileInfo>
#include <QTabWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/ProcessUse.h"
#include "controls/KestIPAddrEdit.h"
#include "controls/KestSpinEdit.h"
#include "controls/KestStringGrid.h"
#include "controls/TableSave.h"
#include "platform/Dialogs.h"
#include "platform/ValueComboBox.h"
#include "subnet/SubnetCalculator.h"

namespace {
constexpr std::int32_t LastSubnet = 4194303;

class TLargestTable {
 public:
  TLargestTable() : Option("Allow &1 Subnet Bit (RFC 1878)"), Calculator(Loading, &Option, nullptr) {
    SetMessageBoxResponder([](const QString&, const QString&, unsigned) { return IDYES; });
    Option.setCheckable(true);
    Loading = true;
    Calculator.LoadSettings("Software\\Bench\\Absent");
    Loading = false;
    Calculator.resize(297, 400);
    Calculator.show();
    Calculator.IPAddressEdit->SetAddressString("10.0.0.1");
    std::uint8_t first = 10;
    Calculator.IPAddressEditFieldChanged(Calculator.IPAddressEdit, 0, first);
    Option.trigger();
    PickMask(Calculator.SubnetHostCountComboBox->count() - 1);
    Calculator.IPSubnetPageControl->setCurrentWidget(Calculator.SubnetHostTabSheet);
    Calculator.SubnetFromSpinEdit->SetValue(0);
  }
  ~TLargestTable() { SetMessageBoxResponder(nullptr); }

  void PickMask(int index) {
    Calculator.SubnetHostCountComboBox->setCurrentIndex(index);
    Calculator.SubnetHostCountComboBox->OnClick(Calculator.SubnetHostCountComboBox);
  }

  bool Loading = false;
  QAction Option;
  TSubnetCalculator Calculator;
};

// Times `fill`, which must end with the largest table shown; `prepare` runs
// untimed before each fill.
template <typename Prepare, typename Fill>
void MeasureFill(benchmark::State& state, Prepare&& prepare, Fill&& fill) {
  TLargestTable table;
  double peakBytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    prepare(table);
    const double idle = StatusKilobytes("VmRSS");
    ResetPeakMemory();
    state.ResumeTiming();
    fill(table);
    state.PauseTiming();
    if (table.Calculator.SubnetHostStringGrid->RowCount() != LastSubnet + 2) state.SkipWithError("not the largest table");
    peakBytes = std::max(peakBytes, (StatusKilobytes("VmHWM") - idle) * 1024);
    state.ResumeTiming();
  }
  state.counters["peak_bytes"] = peakBytes;
  state.counters["peak_bytes_per_row"] = peakBytes / (LastSubnet + 1);
}

// From a table of 255 rows to the largest one by typing its last subnet number.
void BM_LargestSubnetTable(benchmark::State& state) {
  MeasureFill(
      state, [](TLargestTable& table) { table.Calculator.SubnetToSpinEdit->SetValue(254); },
      [](TLargestTable& table) { table.Calculator.SubnetToSpinEdit->SetValue(LastSubnet); });
}
BENCHMARK(BM_LargestSubnetTable)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The largest table filled again over itself: the mask is changed and changed
// back on another page, then the Subnets/Hosts page is opened.
void BM_LargestSubnetTableAfterMaskChange(benchmark::State& state) {
  MeasureFill(
      state,
      [](TLargestTable& table) {
        TSubnetCalculator& calculator = table.Calculator;
        calculator.IPSubnetPageControl->setCurrentWidget(calculator.SubnetHostTabSheet);
        calculator.SubnetToSpinEdit->SetValue(LastSubnet);
        calculator.IPSubnetPageControl->setCurrentWidget(calculator.SubnetInfoTab);
        const int last = calculator.SubnetHostCountComboBox->count() - 1;
        table.PickMask(last - 1);
        table.PickMask(last);
        calculator.SubnetToSpinEdit->SetValue(LastSubnet);
      },
      [](TLargestTable& table) {
        table.Calculator.IPSubnetPageControl->setCurrentWidget(table.Calculator.SubnetHostTabSheet);
      });
}
BENCHMARK(BM_LargestSubnetTableAfterMaskChange)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The largest table saved as CSV (275 MB), as File > Save Table As
// writes it, less the dialogs; the peak memory is what the save adds.
void BM_SaveLargestSubnetTableAsCsv(benchmark::State& state) {
  TLargestTable table;
  table.Calculator.SubnetToSpinEdit->SetValue(LastSubnet);
  const TStringGrid& grid = *table.Calculator.SubnetHostStringGrid;
  QTemporaryDir folder;
  const QString path = folder.filePath("subnets.csv");
  double peakBytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const double idle = StatusKilobytes("VmRSS");
    ResetPeakMemory();
    state.ResumeTiming();
    QString error;
    if (SaveTableToFile(grid, path, TTableFormat::tfCsv, [](int) { return true; }, error) != TSaveOutcome::soSaved)
      state.SkipWithError(error.toStdString().c_str());
    state.PauseTiming();
    peakBytes = std::max(peakBytes, (StatusKilobytes("VmHWM") - idle) * 1024);
    state.ResumeTiming();
  }
  state.counters["file_bytes"] = static_cast<double>(QFileInfo(path).size());
  state.counters["peak_bytes"] = peakBytes;
}
BENCHMARK(BM_SaveLargestSubnetTableAsCsv)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The same subnets listed by sipcalc, for comparison; skipped without it.
void BM_SipcalcSameSubnets(benchmark::State& state) {
  if (std::system("command -v sipcalc > /dev/null") != 0) {
    state.SkipWithError("sipcalc is not installed");
    return;
  }
  for (auto _ : state) {
    if (std::system("sipcalc -s 30 10.0.0.0/8 > /dev/null") != 0) state.SkipWithError("sipcalc failed");
  }
}
BENCHMARK(BM_SipcalcSameSubnets)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
}  // namespace
