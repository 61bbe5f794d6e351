// SPDX-License-Identifier: MIT
// The vendor registry built with the program (from Debian's ieee-data):
// loading its file, one longest-prefix lookup, and a search by vendor name
// (the first search of a run also folds every name for searching).
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

#include "radix/VendorRegistry.h"
#include "radix/VendorRegistryFile.h"

namespace {
std::string RegistryBytes() {
  std::ifstream in(VENDOR_REGISTRY, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void BM_VendorRegistryLoad(benchmark::State& state) {
  std::string error;
  for (auto _ : state) benchmark::DoNotOptimize(LoadVendorRegistry(VENDOR_REGISTRY, error));
  state.counters["bytes"] = static_cast<double>(RegistryBytes().size());
}
BENCHMARK(BM_VendorRegistryLoad)->Unit(benchmark::kMillisecond);

void BM_VendorRegistryFirstSearch(benchmark::State& state) {
  std::string error;
  for (auto _ : state) benchmark::DoNotOptimize(LoadVendorRegistry(VENDOR_REGISTRY, error)->Search("Hewlett-Packard"));
}
BENCHMARK(BM_VendorRegistryFirstSearch)->Unit(benchmark::kMillisecond);

void BM_VendorRegistryLookup(benchmark::State& state) {
  std::string error;
  const auto registry = TVendorRegistry::FromBytes(RegistryBytes(), error);
  if (!registry) return state.SkipWithError(error.c_str());
  std::uint64_t mac = 0x70B3D5F2F123;  // through the MA-S, MA-M and MA-L searches
  for (auto _ : state) {
    benchmark::DoNotOptimize(registry->Find(mac));
    mac += 0x1000000001;
  }
  state.counters["blocks"] = static_cast<double>(registry->Count());
}
BENCHMARK(BM_VendorRegistryLookup)->Unit(benchmark::kNanosecond);

void BM_VendorRegistrySearch(benchmark::State& state) {
  std::string error;
  const auto registry = TVendorRegistry::FromBytes(RegistryBytes(), error);
  if (!registry) return state.SkipWithError(error.c_str());
  for (auto _ : state) benchmark::DoNotOptimize(registry->Search("Hewlett-Packard"));
}
BENCHMARK(BM_VendorRegistrySearch)->Unit(benchmark::kMillisecond);
}  // namespace
