// SPDX-License-Identifier: MIT
// The address core merging a million random prefixes of both families, beside
// Python's ipaddress.collapse_addresses over the same prefixes in the same
// run, and host-count plans of ten thousand needs.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "prefix/HostPlan.h"
#include "prefix/PrefixSets.h"

namespace {

constexpr int PrefixCount = 1000000;

// Half IPv4 (/20 to /32 anywhere), half IPv6 inside 2001:db8::/32 (/48 to
// /80): many overlap and many sit side by side, most stay apart.
const std::vector<IpPrefix>& Prefixes() {
  static const std::vector<IpPrefix> prefixes = [] {
    std::mt19937_64 random(18);
    std::vector<IpPrefix> list;
    list.reserve(PrefixCount);
    for (int i = 0; i < PrefixCount; ++i) {
      const std::uint64_t r = random();
      const auto length = static_cast<unsigned>(r >> 58);  // 0 to 63
      if (i % 2 == 0) {
        list.push_back(MakePrefix({AddressFamily::V4, r & 0xFFFFFFFF}, 20 + length % 13));
      } else {
        const IpAddress a{AddressFamily::V6, (U128{0x20010db8} << 96) | (U128{r & 0xFFFFFFFFFFFF} << 48)};
        list.push_back(MakePrefix(a, 48 + length % 33));
      }
    }
    return list;
  }();
  return prefixes;
}

std::vector<AddressRange> Ranges() {
  std::vector<AddressRange> ranges;
  for (const IpPrefix& p : Prefixes()) ranges.push_back(RangeOf(p));
  return ranges;
}

void BM_MergeMillionMixedPrefixes(benchmark::State& state) {
  const std::vector<AddressRange> ranges = Ranges();
  std::size_t merged = 0;
  for (auto _ : state) benchmark::DoNotOptimize(merged = MergedPrefixes(ranges).size());
  state.counters["merged"] = static_cast<double>(merged);
}
BENCHMARK(BM_MergeMillionMixedPrefixes)->Unit(benchmark::kMillisecond)->Iterations(3);

// The list as the Sets page gets it: read, then merged.
void BM_ReadAndMergeMillionMixedPrefixes(benchmark::State& state) {
  std::string text;
  for (const IpPrefix& p : Prefixes()) text += PrefixText(p) + '\n';
  for (auto _ : state) {
    const ParsedSet set = ParseSet(text);
    std::vector<AddressRange> ranges;
    ranges.reserve(set.Entries.size());
    for (const SetEntry& e : set.Entries) ranges.push_back(e.Range);
    benchmark::DoNotOptimize(MergedPrefixes(ranges).size());
  }
}
BENCHMARK(BM_ReadAndMergeMillionMixedPrefixes)->Unit(benchmark::kMillisecond)->Iterations(1);

// Processor time of this process, which a machine busy with other work does not inflate.
double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Both sides count processor time of the merge alone: Python builds its
// networks before its clock starts, as the core gets its ranges ready-made.
void BM_MergeVersusPython(benchmark::State& state) {
  const std::vector<AddressRange> ranges = Ranges();
  const auto path = std::filesystem::temp_directory_path() / "orvane-prefix-sets-bench.txt";
  {
    std::ofstream file(path);
    for (const IpPrefix& p : Prefixes()) file << PrefixText(p) << '\n';
  }
  for (auto _ : state) {
    const double start = CpuSeconds();
    const std::size_t merged = MergedPrefixes(ranges).size();
    const double core = CpuSeconds() - start;
    state.SetIterationTime(core);

    const std::string command = "python3 " PREFIX_SETS_PYTHON_SCRIPT " " + path.string();
    FILE* python = popen(command.c_str(), "r");
    double pythonSeconds = 0;
    std::size_t pythonMerged = 0;
    const bool read = python && std::fscanf(python, "%lf %zu", &pythonSeconds, &pythonMerged) == 2;
    if (python) pclose(python);
    if (!read || pythonSeconds <= 0) {
      state.SkipWithError("python3 with ipaddress did not report its time");
      break;
    }
    if (pythonMerged != merged) {
      state.SkipWithError("Python's merge gave another number of prefixes");
      break;
    }
    state.counters["merged"] = static_cast<double>(merged);
    state.counters["core_ms"] = core * 1e3;
    state.counters["python_ms"] = pythonSeconds * 1e3;
    state.counters["ratio"] = pythonSeconds / core;
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_MergeVersusPython)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

// Ten thousand needs of 1 to 200 hosts (IPv4) or up to 2^40 (IPv6), a tenth as lengths.
void BM_PlanTenThousandNeeds(benchmark::State& state) {
  const bool v4 = state.range(0) == 4;
  const IpPrefix parent = InputPrefix(ParseAddressInput(v4 ? "10.0.0.0/8" : "2001:db8::/32").Value);
  std::mt19937_64 random(18);
  std::vector<HostNeed> needs;
  for (int i = 0; i < 10000; ++i) {
    const std::uint64_t r = random();
    HostNeed need{"need " + std::to_string(i), 1 + r % (v4 ? 200 : std::uint64_t{1} << 40), 0,
                  static_cast<std::size_t>(i + 1)};
    if (i % 10 == 0) need = {need.Name, 0, v4 ? 24 + static_cast<unsigned>(r % 9) : 48 + static_cast<unsigned>(r % 17), need.Line};
    needs.push_back(need);
  }
  std::size_t fitted = 0;
  for (auto _ : state) {
    const HostPlan plan = PlanHosts(parent, needs);
    fitted = 0;
    for (const PlannedNeed& row : plan.Rows) fitted += row.Fits;
    benchmark::DoNotOptimize(fitted);
  }
  state.counters["fitted"] = static_cast<double>(fitted);
}
BENCHMARK(BM_PlanTenThousandNeeds)->Arg(4)->Arg(6)->Unit(benchmark::kMillisecond);

}  // namespace
