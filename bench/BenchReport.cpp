#include "BenchReport.h"

#include <unistd.h>

#include <filesystem>

#include "ReportGenerator.h"

namespace {

class GeneratedReport {
 public:
  GeneratedReport()
      : path_((std::filesystem::temp_directory_path() /
               ("kvl-bench-report-" + std::to_string(::getpid()) + ".htm"))
                  .string()) {
    WriteReportFile(path_, kBenchPasses);
  }
  ~GeneratedReport() { std::filesystem::remove(path_); }
  GeneratedReport(const GeneratedReport&) = delete;
  GeneratedReport& operator=(const GeneratedReport&) = delete;
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

const GeneratedReport& Report() {
  static const GeneratedReport report;
  return report;
}

}  // namespace

const std::string& BenchReportPath() {
  return Report().Path();
}

double BenchReportMegabytes() {
  return static_cast<double>(std::filesystem::file_size(Report().Path())) / 1e6;
}
