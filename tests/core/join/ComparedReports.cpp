#include "ComparedReports.h"

#include <core/ReportFile.h>
#include <core/ReportLoader.h>
#include <core/join/TestedPeriod.h>

#include "CodePageText.h"
#include "ReportGenerator.h"

using namespace kvl::core;

namespace {

// The generator's head with its period row replaced.
std::string HeadWithPeriodRow(const std::string& periodRow) {
  std::string head = ReportHead();
  const std::string caption =
      CodePageTextFromUtf8("<td colspan=2>Период</td>", WindowsCodePage::k1251);
  const std::size_t row = head.rfind("<tr", head.find(caption));
  const std::size_t end = head.find("\r\n", row) + 2;
  const std::string replacement =
      periodRow.empty() ? "" : CodePageTextFromUtf8(periodRow, WindowsCodePage::k1251) + "\r\n";
  return head.replace(row, end - row, replacement);
}

}  // namespace

std::string HeadRow(std::string_view caption, std::string_view text) {
  return "<tr align=left><td colspan=2>" + std::string(caption) + "</td><td colspan=4>" +
         std::string(text) + "</td></tr>";
}

std::string HourlyPeriod(std::string_view from, std::string_view to) {
  return HeadRow("Период", "1 Час (H1) " + std::string(from) + " - " + std::string(to));
}

ComparedReports::ComparedReports(const std::vector<ComparedReportText>& texts) {
  for (std::size_t k = 0; k < texts.size(); ++k) {
    std::string text = HeadWithPeriodRow(texts[k].periodRow);
    for (std::size_t p = 0; p < texts[k].passes.size(); ++p) {
      const ComparedPass& pass = texts[k].passes[p];
      text += ReportRow(
          {std::to_string(p), pass.title, pass.profit, "12", "1.50", "2.00", "10.00", "1.00"}, p);
    }
    text += ReportTail();
    const std::string path = dir_.Write("report" + std::to_string(k) + ".htm", text);
    tables_.push_back(std::make_unique<PassTable>());
    ComparedReport report;
    report.table = tables_.back().get();
    report.count = static_cast<std::size_t>(LoadReport(path, *tables_.back()));
    report.period = ReadTestedPeriod(ReadReportFile(path));
    reports.push_back(report);
  }
}
