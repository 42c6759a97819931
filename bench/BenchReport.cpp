#include "BenchReport.h"

#include <filesystem>
#include <map>
#include <memory>
#include <tuple>

#include "ReportGenerator.h"
#include "TestFiles.h"

namespace {

class GeneratedReport {
 public:
  GeneratedReport(std::size_t passes, std::uint64_t seed, ReportLanguage language)
      : path_((folder_.Path() /
               ("bench-report-" + std::to_string(passes) + "-" + std::to_string(seed) + "-" +
                std::to_string(static_cast<int>(language)) + ".htm"))
                  .string()) {
    WriteReportFile(path_, passes, seed, language);
  }
  const std::string& Path() const { return path_; }

 private:
  TempDir folder_;
  std::string path_;
};

const GeneratedReport& Report(std::size_t passes, std::uint64_t seed, ReportLanguage language) {
  static std::map<std::tuple<std::size_t, std::uint64_t, ReportLanguage>,
                  std::unique_ptr<GeneratedReport>>
      reports;
  auto& report = reports[{passes, seed, language}];
  if (!report) report = std::make_unique<GeneratedReport>(passes, seed, language);
  return *report;
}

}  // namespace

const std::string& BenchReportPath(std::size_t passes, std::uint64_t seed,
                                   ReportLanguage language) {
  return Report(passes, seed, language).Path();
}

double BenchReportMegabytes(std::size_t passes, std::uint64_t seed, ReportLanguage language) {
  return static_cast<double>(std::filesystem::file_size(Report(passes, seed, language).Path())) /
         1e6;
}
