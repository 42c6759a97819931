#include "ReportPasses.h"

#include <utility>

#include <cli/translation/Translation.h>
#include <core/Exceptions.h>
#include <core/ReportLoader.h>

namespace kvl::cli {

namespace {

class HeaderWatch final : public core::ReportLineListener {
 public:
  void TextEncoding(core::ReportFile::Encoding) override {}
  void Header(std::size_t, core::HeaderLanguage, std::string_view) override { seen = true; }
  void Skipped(std::size_t) override {}
  void Stored(std::size_t, std::string_view, const core::PassRecord&) override {}

  bool seen = false;
};

}  // namespace

std::size_t LoadReportPasses(const std::string& report, core::PassTable& table) {
  ReportInput input(report);
  return LoadReportPasses(input, input.Read(), table);
}

std::size_t LoadReportPasses(ReportInput& input, core::ReportFile file, core::PassTable& table) {
  const auto count = static_cast<std::size_t>(core::LoadReport(std::move(file), table));
  if (count > 0) return count;
  // Only a refusal needs to know why: the report is read again, listened to, rather than every
  // load paying for a listener.
  HeaderWatch header;
  core::LoadReport(input.Read(), table, header);
  if (!header.seen) {
    throw core::Exception(
        Tr("No results table found in {1}: it is not an MT4 optimization report", {input.Name()}));
  }
  throw core::Exception(Tr("No passes in {1}: its results table has no rows", {input.Name()}));
}

}  // namespace kvl::cli
