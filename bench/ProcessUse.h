// SPDX-License-Identifier: MIT
#pragma once
// The process's processor time and its resident and peak memory, for
// benchmarks that report what a step took above what was used before it.
#include <cstdlib>
#include <ctime>
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

// Processor time of this process, which a machine busy with other work does not inflate.
inline double CpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}
