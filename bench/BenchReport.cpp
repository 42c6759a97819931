#include "BenchReport.h"

#include <unistd.h>

#include <filesystem>
#include <map>
#include <memory>

#include "ReportGenerator.h"

namespace {

class GeneratedReport {
 public:
  explicit GeneratedReport(std::size_t passes)
      : path_((std::filesystem::temp_directory_path() /
               ("kvl-bench-report-" + std::to_string(::getpid()) + "-" + std::to_string(passes) +
                ".htm"))
                  .string()) {
    WriteReportFile(path_, passes);
  }
  ~GeneratedReport() { std::filesystem::remove(path_); }
  GeneratedReport(const GeneratedReport&) = delete;
  GeneratedReport& operator=(const GeneratedReport&) = delete;
  const std::string& Path() const { return path_; }

 private:
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
