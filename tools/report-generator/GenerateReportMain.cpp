// kvl-generate-report N OUT [--seed S]: writes a synthetic optimization report of N passes to
// OUT ("-" for standard output).

#include <charconv>
#include <cstdint>
#include <exception>
#include <iostream>
#include <optional>
#include <string_view>

#include "ReportGenerator.h"

namespace {

constexpr std::string_view kUsage = "usage: kvl-generate-report N OUT [--seed S]\n";

std::optional<std::uint64_t> ParseUnsigned(std::string_view text) {
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

int UsageError() {
  std::cerr << kUsage;
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<std::uint64_t> passes;
  std::optional<std::string_view> out;
  std::uint64_t seed = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (arg == "--seed" && i + 1 < argc) {
      const auto value = ParseUnsigned(argv[++i]);
      if (!value) return UsageError();
      seed = *value;
    } else if (!passes) {
      passes = ParseUnsigned(arg);
      if (!passes) return UsageError();
    } else if (!out) {
      out = arg;
    } else {
      return UsageError();
    }
  }
  if (!passes || !out) return UsageError();
  try {
    if (*out == "-") {
      WriteReport(std::cout, *passes, seed);
    } else {
      WriteReportFile(std::string(*out), *passes, seed);
    }
  } catch (const std::exception& error) {
    std::cerr << "kvl-generate-report: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
