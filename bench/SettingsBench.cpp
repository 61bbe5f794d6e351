// SPDX-License-Identifier: MIT
// Reading and saving the program's settings when the settings file is large and
// hostile (50 MB of other programs' keys: many keys, long lines, a huge binary
// value), against a file of the program's keys alone.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/MainForm.h"
#include "controls/KestIPAddrEdit.h"
#include "platform/Registry.h"
#include "subnet/SubnetCalculator.h"

namespace {

const QString SettingsKey = QStringLiteral("Software\\Kest Group\\Plimsol Calculator\\3.01");
constexpr std::size_t HostileSize = 50u << 20;

// `ours`: whether the file holds the program's own keys already.
std::string Settings(bool hostile, bool ours = true) {
  std::string text = "Windows Registry Editor Version 5.00\r\n\r\n";
  if (ours)
    text += "[HKEY_CURRENT_USER\\Software\\Kest Group\\Plimsol Calculator\\3.01]\r\n\"Position\"=hex:2c,00,00,00\r\n\r\n"
            "[HKEY_CURRENT_USER\\Software\\Kest Group\\Plimsol Calculator\\3.01\\Orvane Calculator]\r\n"
            "\"IPAddress\"=\"-2146498043\"\r\n\"ActivePageIndex\"=\"0\"\r\n\r\n";
  if (!hostile) return text;
  text += "[HKEY_CURRENT_USER\\Software\\Other\\Huge]\r\n\"Blob\"=hex:";
  for (std::size_t k = 0; k < (16u << 20) / 3; ++k) text += (k % 25 == 24) ? "5a,\\\r\n  " : "5a,";
  text += "00\r\n\"Line\"=\"" + std::string(4u << 20, 'x') + "\"\r\n\r\n";
  for (int key = 0; text.size() < HostileSize; ++key)
    text += "[HKEY_CURRENT_USER\\Software\\Other\\Key" + std::to_string(key) +
            "]\r\n\"Name\"=\"value\"\r\n\"Number\"=dword:0000002a\r\n\r\n";
  return text;
}

// A configuration directory holding the settings file.
class TSettingsHome {
 public:
  explicit TSettingsHome(bool hostile, bool ours = true) : Text(Settings(hostile, ours)) {
    qputenv("XDG_CONFIG_HOME", Home.path().toLocal8Bit());
    QDir().mkpath(Home.path() + QStringLiteral("/OrvaneCalculator"));
    Replace();
  }

  // Puts a new file of the same text but for its length in place, as another
  // instance's save does.
  void Replace() {
    QFile::remove(RegistryFilePath());
    QFile file(RegistryFilePath());
    if (file.open(QIODevice::WriteOnly))
      file.write(Text.data(), static_cast<qint64>(Text.size()) - (++Replaced % 2));
  }

 private:
  QTemporaryDir Home;
  std::string Text;
  int Replaced = 0;
};

// What start-up does: open the program's keys one after another and read their
// values, from a file that another instance saved since the last start-up.
void BM_OpenAndReadSettings(benchmark::State& state) {
  TSettingsHome home(state.range(0) != 0);
  for (auto _ : state) {
    state.PauseTiming();
    home.Replace();
    state.ResumeTiming();
    TRegistry registry;
    registry.OpenKey(SettingsKey, true);
    registry.OpenKeyReadOnly(SettingsKey + QStringLiteral("\\Orvane Calculator"));
    benchmark::DoNotOptimize(registry.ReadString(QStringLiteral("IPAddress")));
    registry.OpenKeyReadOnly(SettingsKey);
    benchmark::DoNotOptimize(registry.ValueExists(QStringLiteral("Position")));
    registry.OpenKeyReadOnly(SettingsKey + QStringLiteral("\\3.01\\LatencyCalc"));
  }
}
BENCHMARK(BM_OpenAndReadSettings)->ArgName("hostile")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A dozen values saved one by one, or together in one batch as shut-down does.
void BM_WriteADozenValues(benchmark::State& state) {
  TSettingsHome home(state.range(0) != 0);
  const bool batched = state.range(1) != 0;
  int round = 0;
  for (auto _ : state) {
    TRegistry registry;
    registry.OpenKey(SettingsKey + QStringLiteral("\\Orvane Calculator"), true);
    if (batched) registry.BeginUpdate();
    for (int k = 0; k < 12; ++k) registry.WriteInteger(QStringLiteral("Value%1").arg(k), ++round);
    if (batched) registry.EndUpdate();
  }
}
BENCHMARK(BM_WriteADozenValues)
    ->ArgNames({"hostile", "batched"})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond);

// The main window's start-up (FormCreate) on the first run against the file:
// the program's keys are not there yet.
void BM_FirstStartUp(benchmark::State& state) {
  TSettingsHome home(state.range(0) != 0, false);
  for (auto _ : state) {
    state.PauseTiming();
    home.Replace();
    auto form = std::make_unique<TMainForm>();
    state.ResumeTiming();
    form->FormCreate();
    state.PauseTiming();
    form.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FirstStartUp)->ArgName("hostile")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The main window's shut-down (FormDestroy) after the address and the window's
// position changed: the subnet calculator's values and the position are saved.
void BM_ShutDownSave(benchmark::State& state) {
  TSettingsHome home(state.range(0) != 0);
  TMainForm form;
  form.FormCreate();
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ++round;
    form.SubnetCalculator->IPAddressEdit->SetAddress(0x0A000000u + static_cast<std::uint32_t>(round));
    form.move(round % 100, 10);
    state.ResumeTiming();
    form.FormDestroy();
  }
}
BENCHMARK(BM_ShutDownSave)->ArgName("hostile")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
