#pragma once

#include <chrono>
#include <ctime>

// Elapsed and CPU seconds of pieces of work, added up. CPU time is the thread's own, which the
// other programs on a shared machine disturb far less than elapsed time.
struct Times {
  double wall = 0;
  double cpu = 0;

  template <class Work>
  void Add(Work&& work) {
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = CpuSeconds();
    work();
    cpu += CpuSeconds() - cpuStart;
    wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  }

  static double CpuSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
  }
};
