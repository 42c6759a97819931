#pragma once

#include <cstddef>
#include <string>

// The benchmarks' report: a generated one of this many passes, written once per run to a
// temporary file and removed at exit.
inline constexpr std::size_t kBenchPasses = 120000;

const std::string& BenchReportPath();
double BenchReportMegabytes();
