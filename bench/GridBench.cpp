// SPDX-License-Identifier: MIT
// The table control with the largest subnet table: the 4,194,302 /30 subnets
// of 10.0.0.0/8 (number, subnet ID, host range, broadcast), written through
// the cell interface, then its columns fitted.
#include <QApplication>
#include <QFont>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "controls/KestStringGrid.h"
#include "subnet/SubnetMath.h"

namespace {
constexpr int SubnetCount = 4194302;
constexpr std::uint32_t Network = 0x0A000000;  // 10.0.0.0
constexpr std::uint32_t Step = 4;

// Calls write(row, number, subnet ID, host range, broadcast) for every subnet.
template <typename Write>
void ForEachSubnetRow(Write&& write) {
  std::string number;
  std::string range;
  std::uint32_t subnet = Network + Step;
  for (int n = 1; n <= SubnetCount; ++n, subnet += Step) {
    number = std::to_string(n);
    const std::string id = FormatDottedDecimal(subnet);
    const std::string broadcast = FormatDottedDecimal(subnet + Step - 1);
    range = FormatDottedDecimal(subnet + 1);
    range += " - ";
    range += FormatDottedDecimal(subnet + Step - 2);
    write(n, number, id, range, broadcast);
  }
}

std::unique_ptr<TSuperStringGrid> NewSubnetGrid() {
  auto grid = std::make_unique<TSuperStringGrid>();
  grid->SetColCount(4);
  grid->SetFixedCols(1);
  grid->SetDefaultColWidth(17);
  grid->SetAutoWidth(false);
  grid->SetAutoHeight(false);
  QFont headings = grid->FixedFont();
  headings.setPixelSize(11);
  grid->SetFixedFont(headings);
  const char* titles[] = {"#", "Subnet ID", "Host Range", "Subnet Broadcast"};
  for (int col = 0; col < 4; ++col) grid->SetCellsUtf8(col, 0, titles[col]);
  return grid;
}

void FillSubnetTable(TSuperStringGrid& grid) {
  grid.SetRowCount(SubnetCount + 1);
  ForEachSubnetRow([&grid](int row, const std::string& number, const std::string& id, const std::string& range,
                           const std::string& broadcast) {
    grid.SetCellsUtf8(0, row, number);
    grid.SetCellsUtf8(1, row, id);
    grid.SetCellsUtf8(2, row, range);
    grid.SetCellsUtf8(3, row, broadcast);
  });
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The row texts alone, as the subnet calculator makes them: the part of a
// fill that is not the grid's.
void BM_SubnetTableTexts(benchmark::State& state) {
  for (auto _ : state) {
    std::size_t bytes = 0;
    ForEachSubnetRow([&bytes](int, const std::string& number, const std::string& id, const std::string& range,
                              const std::string& broadcast) {
      bytes += number.size() + id.size() + range.size() + broadcast.size();
    });
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(BM_SubnetTableTexts)->Unit(benchmark::kMillisecond)->Iterations(3);

// Fill, then AutoSizeColumns; the time is the two together, the counters
// give each step and the bytes the grid holds for its cells per row.
void BM_SubnetTableFillAndFit(benchmark::State& state) {
  double fill = 0;
  double fit = 0;
  double bytesPerRow = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto grid = NewSubnetGrid();
    state.ResumeTiming();
    auto start = std::chrono::steady_clock::now();
    FillSubnetTable(*grid);
    fill += SecondsSince(start);
    start = std::chrono::steady_clock::now();
    grid->AutoSizeColumns();
    fit += SecondsSince(start);
    state.PauseTiming();
    bytesPerRow += static_cast<double>(grid->CellBytes()) / grid->RowCount();
    benchmark::DoNotOptimize(grid->ColWidths(2));
    grid.reset();
    state.ResumeTiming();
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["fill_s"] = fill / n;
  state.counters["fit_s"] = fit / n;
  state.counters["bytes_per_row"] = bytesPerRow / n;
}
BENCHMARK(BM_SubnetTableFillAndFit)->Unit(benchmark::kMillisecond)->Iterations(3);
}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
