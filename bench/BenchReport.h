#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "ReportLanguage.h"

// The benchmarks' reports: generated ones of a given number of passes, generator seed and
// terminal language, each written once per run to a temporary file when first asked for and removed
// at exit.
inline constexpr std::size_t kBenchPasses = 120000;

const std::string& BenchReportPath(std::size_t passes = kBenchPasses, std::uint64_t seed = 1,
                                   ReportLanguage language = ReportLanguage::kRussian);
double BenchReportMegabytes(std::size_t passes = kBenchPasses, std::uint64_t seed = 1,
                            ReportLanguage language = ReportLanguage::kRussian);
