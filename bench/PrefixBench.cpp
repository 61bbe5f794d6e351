// SPDX-License-Identifier: MIT
// The address core reading and evaluating a million mixed inputs (the network
// and whether it is private), beside Python's ipaddress doing the same
// (ip_interface, .network, .is_private) over the same lines in the same run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "bench/ProcessUse.h"
#include "prefix/AddressBlocks.h"

namespace {

constexpr int InputCount = 1000000;

// IPv4 with a length or a dotted mask, IPv6 compressed, in full and mixed,
// spread over private, special and global space; all forms ipaddress reads too.
const std::vector<std::string>& Inputs() {
  static const std::vector<std::string> inputs = [] {
    std::mt19937_64 random(18);
    const char* v6Starts[] = {"2001:db8", "fd00:1234", "fe80:0", "2a00:1450", "64:ff9b", "2002:c000"};
    std::vector<std::string> lines;
    lines.reserve(InputCount);
    for (int i = 0; i < InputCount; ++i) {
      const std::uint64_t r = random();
      const unsigned length = static_cast<unsigned>(r >> 56);
      const auto v4 = static_cast<std::uint32_t>(r);
      const IpAddress a4{AddressFamily::V4, (i % 3 == 0 ? 0x0A000000u : 0u) | (v4 >> (i % 3 == 0 ? 8 : 0))};
      char v6[64];
      std::snprintf(v6, sizeof v6, "%s:%x:%x::%x", v6Starts[i % 6], static_cast<unsigned>(r >> 40) & 0xFFFF,
                    static_cast<unsigned>(r >> 24) & 0xFFFF, static_cast<unsigned>(r) & 0xFFFF);
      switch (i % 5) {
        case 0: lines.push_back(CanonicalText(a4) + '/' + std::to_string(length % 33)); break;
        case 1:
          lines.push_back(CanonicalText(a4) + '/' +
                          CanonicalText({AddressFamily::V4, NetworkMask(AddressFamily::V4, length % 33)}));
          break;
        case 2: lines.push_back(std::string(v6) + '/' + std::to_string(length % 129)); break;
        case 3: lines.push_back(FullText(ParseAddressInput(v6).Value.Address) + "/64"); break;
        default: lines.push_back("::ffff:" + CanonicalText(a4) + "/120"); break;
      }
    }
    return lines;
  }();
  return inputs;
}

// The number of private networks among the inputs.
int CountPrivate(const std::vector<std::string>& lines) {
  int privateCount = 0;
  for (const std::string& line : lines) {
    const auto input = ParseAddressInput(line);
    privateCount += input.Ok() && !ClassifyAddress(InputPrefix(input.Value).Network).GloballyReachable;
  }
  return privateCount;
}

void BM_PrefixParseAndEvaluate(benchmark::State& state) {
  const auto& lines = Inputs();
  int privateCount = 0;
  for (auto _ : state) benchmark::DoNotOptimize(privateCount = CountPrivate(lines));
  state.counters["inputs"] = static_cast<double>(lines.size());
  state.counters["private"] = privateCount;
}
BENCHMARK(BM_PrefixParseAndEvaluate)->Unit(benchmark::kMillisecond)->Iterations(3);

// Both sides count processor time; Python times its own loop, leaving out
// its start and the reading of the file.
void BM_PrefixVersusPython(benchmark::State& state) {
  const auto& lines = Inputs();
  const auto path = std::filesystem::temp_directory_path() / "orvane-prefix-bench-inputs.txt";
  {
    std::ofstream file(path);
    for (const std::string& line : lines) file << line << '\n';
  }
  for (auto _ : state) {
    const double start = CpuSeconds();
    benchmark::DoNotOptimize(CountPrivate(lines));
    const double core = CpuSeconds() - start;
    state.SetIterationTime(core);

    const std::string command = "python3 " PREFIX_PYTHON_SCRIPT " " + path.string();
    FILE* python = popen(command.c_str(), "r");
    double pythonSeconds = 0;
    const bool read = python && std::fscanf(python, "%lf", &pythonSeconds) == 1;
    if (python) pclose(python);
    if (!read || pythonSeconds <= 0) {
      state.SkipWithError("python3 with ipaddress did not report its time");
      break;
    }
    state.counters["core_ms"] = core * 1e3;
    state.counters["python_ms"] = pythonSeconds * 1e3;
    state.counters["ratio"] = pythonSeconds / core;
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_PrefixVersusPython)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

}  // namespace
