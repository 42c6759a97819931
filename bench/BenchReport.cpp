#include "BenchReport.h"

#include <filesystem>
#include <map>
#include <memory>

#include "ReportGenerator.h"
#include "TestFiles.h"

namespace {

class GeneratedReport {
 public:
  explicit GeneratedReport(std::size_t passes)
      : path_((folder_.Path() / ("bench-report-" + std::to_string(passes) + ".htm")).string()) {
    WriteReportFile(path_, passes);
  }
  const std::string& Path() const { return path_; }

 private:
  TempDir folder_;
  std::string path_;
};

const GeneratedReport& Report(std::size_t passes) {
  static std::map<std::size_t, std::unique_ptr<GeneratedReport>> reports;
  auto& report = reports[passes];
  if (!report) report = std::make_unique<GeneratedReport>(passes);
  return *report;
}

}  // namespace

const std::string& BenchReportPath(std::size_t passes) {
  return Report(passes).Path();
}

double BenchReportMegabytes(std::size_t passes) {
  return static_cast<double>(std::filesystem::file_size(Report(passes).Path())) / 1e6;
}
