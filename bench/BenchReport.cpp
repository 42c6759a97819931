#include "BenchReport.h"

#include <filesystem>
#include <map>
#include <memory>

#include "ReportGenerator.h"
#include "TestFiles.h"

namespace {

class GeneratedReport {
 public:
  GeneratedReport(std::size_t passes, std::uint64_t seed)
      : path_((folder_.Path() /
               ("bench-report-" + std::to_string(passes) + "-" + std::to_string(seed) + ".htm"))
                  .string()) {
    WriteReportFile(path_, passes, seed);
  }
  const std::string& Path() const { return path_; }

 private:
  TempDir folder_;
  std::string path_;
};

const GeneratedReport& Report(std::size_t passes, std::uint64_t seed) {
  static std::map<std::pair<std::size_t, std::uint64_t>, std::unique_ptr<GeneratedReport>> reports;
  auto& report = reports[{passes, seed}];
  if (!report) report = std::make_unique<GeneratedReport>(passes, seed);
  return *report;
}

}  // namespace

const std::string& BenchReportPath(std::size_t passes, std::uint64_t seed) {
  return Report(passes, seed).Path();
}

double BenchReportMegabytes(std::size_t passes, std::uint64_t seed) {
  return static_cast<double>(std::filesystem::file_size(Report(passes, seed).Path())) / 1e6;
}
