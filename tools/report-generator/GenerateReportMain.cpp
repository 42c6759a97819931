// kvl-generate-report N OUT [--seed S] [--language L]: writes a synthetic optimization report of
// N passes to OUT ("-" for standard output), its head as a terminal in language L (ru, the
// default, en, de, es, pl or el) writes it.

#include <charconv>
#include <cstdint>
#include <exception>
#include <iostream>
#include <optional>
#include <string_view>

#include "ReportGenerator.h"

namespace {

constexpr std::string_view kUsage =
    "usage: kvl-generate-report N OUT [--seed S] [--language ru|en|de|es|pl|el]\n";

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
  ReportLanguage language = ReportLanguage::kRussian;
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
    } else if (arg == "--language" && i + 1 < argc) {
      const auto named = ReportLanguageNamed(argv[++i]);
      if (!named) return UsageError();
      language = *named;
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
      WriteReport(std::cout, *passes, seed, language);
    } else {
      WriteReportFile(std::string(*out), *passes, seed, language);
    }
  } catch (const std::exception& error) {
    std::cerr << "kvl-generate-report: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
