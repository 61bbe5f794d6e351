// SPDX-License-Identifier: MIT
#pragma once
// The process's resident and peak memory, for benchmarks that report what a
// step took above the memory held before it.
#include <cstdlib>
#include <fstream>
#include <string>

// A value of /proc/self/status in kB, such as "VmHWM" or "VmRSS".
inline double StatusKilobytes(const std::string& name) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind(name + ":", 0) == 0) return std::atof(line.c_str() + name.size() + 1);
  return 0;
}

// Starts the peak (VmHWM) over from the present resident size.
inline void ResetPeakMemory() { std::ofstream("/proc/self/clear_refs") << "5"; }
