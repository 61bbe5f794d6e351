// SPDX-License-Identifier: MIT
// The OUI finder's search over the whole MA-L list, converted from
// /usr/share/ieee-data/oui.txt (Debian package ieee-data): the first search,
// which reads and indexes OUI.txt, and the later ones, for an OUI near the end
// of the list. Each search looks up the OUI and its bit-swapped form.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

#include "controls/KestLabel.h"
#include "controls/KestNumberEdit.h"
#include "radix/IeeeOuiList.h"
#include "radix/OUIList.h"
#include "radix/RadixerCalculator.h"

namespace {
constexpr const char* IeeeList = "/usr/share/ieee-data/oui.txt";

// OUI.txt in a directory of its own, made current; the key is the OUI of the
// third line from the end. Nothing when the IEEE list is absent.
struct TListDirectory {
  QTemporaryDir Directory;
  std::string Key;
  std::size_t Entries = 0;
};

std::optional<std::string> ListKey(TListDirectory& list) {
  std::ifstream in(IeeeList, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  const TOUIListConversion converted = ConvertIeeeOuiList(text.str());
  QDir::setCurrent(list.Directory.path());
  QFile file("OUI.txt");
  if (converted.Entries < 3 || !file.open(QIODevice::WriteOnly)) return std::nullopt;
  file.write(converted.Text.data(), static_cast<qint64>(converted.Text.size()));
  const TOUIList lines(converted.Text, [](std::string_view a, std::string_view b) { return a.compare(b); });
  list.Entries = lines.Count();
  return std::string(OUIOf(lines.Line(lines.Count() - 3)));
}

TListDirectory* List() {
  static TListDirectory list;
  static const std::optional<std::string> key = ListKey(list);
  if (!key) return nullptr;
  list.Key = *key;
  return &list;
}

struct TCalculator {
  TCalculator() : Calculator(std::make_unique<TRadixerCalculator>(Loading, nullptr)) {
    Loading = true;
    Calculator->InitRadixerCalculator();
    Loading = false;
    Calculator->OUINumberEdit->setText(QString::fromStdString(List()->Key));
  }
  bool Found() const { return Calculator->AbrevTextBox->Caption() != "No matching OUI found."; }

  bool Loading = false;
  std::unique_ptr<TRadixerCalculator> Calculator;
};

bool Skipped(benchmark::State& state) {
  if (List()) return false;
  state.SkipWithError("/usr/share/ieee-data/oui.txt is absent: install the package ieee-data");
  return true;
}

void BM_OUIFirstSearch(benchmark::State& state) {
  if (Skipped(state)) return;
  bool found = true;
  for (auto _ : state) {
    state.PauseTiming();
    auto calculator = std::make_unique<TCalculator>();
    state.ResumeTiming();
    calculator->Calculator->OUISearchButtonClick(nullptr);
    state.PauseTiming();
    found = found && calculator->Found();
    calculator.reset();
    state.ResumeTiming();
  }
  if (!found) state.SkipWithError("the key was not found");
  state.counters["entries"] = static_cast<double>(List()->Entries);
}
BENCHMARK(BM_OUIFirstSearch)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_OUILaterSearch(benchmark::State& state) {
  if (Skipped(state)) return;
  TCalculator calculator;
  calculator.Calculator->OUISearchButtonClick(nullptr);
  for (auto _ : state) calculator.Calculator->OUISearchButtonClick(nullptr);
  if (!calculator.Found()) state.SkipWithError("the key was not found");
}
BENCHMARK(BM_OUILaterSearch)->Unit(benchmark::kMicrosecond);
}  // namespace
