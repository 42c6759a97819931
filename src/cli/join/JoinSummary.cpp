#include "JoinSummary.h"

#include <charconv>
#include <ostream>
#include <string_view>

#include <cli/ReadableJson.h>
#include <cli/formats/ListFormats.h>
#include <cli/translation/Translation.h>
#include <core/CodePage.h>

namespace kvl::cli {

namespace {

using Json = nlohmann::ordered_json;

std::vector<std::string> Utf8Names(const std::vector<std::string_view>& names) {
  std::vector<std::string> utf8;
  for (const std::string_view name : names) utf8.push_back(core::AnsiToUtf8(name));
  return utf8;
}

std::string Joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

std::string Number(std::size_t count) {
  return std::to_string(count);
}

// The rows with a pass of every report: with --all, the rows are more.
std::size_t JoinedRows(const core::ReportJoin& join) {
  std::size_t joined = 0;
  for (std::size_t row = 0; row < join.RowCount(); ++row) {
    bool everyReport = true;
    for (std::size_t r = 1; r < join.ReportCount() && everyReport; ++r) {
      everyReport = join.PassOf(row, r) != 0;
    }
    joined += everyReport ? 1 : 0;
  }
  return joined;
}

}  // namespace

JoinSummary SummaryOf(const JoinedReports& reports) {
  const core::ReportJoin& join = reports.Join();
  JoinSummary summary;
  summary.joined = JoinedRows(join);
  for (std::size_t r = 0; r < join.ReportCount(); ++r) {
    JoinSummary::Report& report = summary.reports.emplace_back();
    report.label = reports.Labels()[r];
    report.counts = join.CountsOf(r);
    if (r == 0) continue;
    report.ignored = Utf8Names(join.InputsOf(r).ignored);
    report.notCounted = Utf8Names(join.InputsOf(r).notCounted);
    report.outOfSample = core::BearOut(join, reports.Reports(), r);
  }
  return summary;
}

std::string CorrelationText(long double correlation) {
  char text[32];
  const auto end =
      std::to_chars(text, text + sizeof text, correlation, std::chars_format::fixed, 2);
  const std::string written(text, end.ptr);
  return written == "-0.00" ? "0.00" : written;
}

void WriteJoinSummary(std::ostream& out, const JoinSummary& summary) {
  out << Tr("Joined passes: {1}", {Number(summary.joined)}) << '\n';
  const std::string& base = summary.reports.front().label;
  for (const JoinSummary::Report& report : summary.reports) {
    const core::ComparedCounts& counts = report.counts;
    out << Tr("{1}: passes {2}, left out of the parameter map {3}, repeated {4}, unmatched {5}",
              {report.label, Number(counts.passes), Number(counts.leftOut), Number(counts.repeated),
               Number(counts.unmatched)})
        << '\n';
    if (!report.ignored.empty()) {
      out << Tr("{1}: inputs ignored, as only one of {2} and {1} has them: {3}",
                {report.label, base, Joined(report.ignored)})
          << '\n';
    }
    if (!report.notCounted.empty()) {
      out << Tr("{1}: inputs not counted: {2}", {report.label, Joined(report.notCounted)}) << '\n';
    }
    if (const std::optional<core::OutOfSample>& bears = report.outOfSample) {
      const std::string correlation =
          bears->rankCorrelation ? CorrelationText(*bears->rankCorrelation) : Tr("none");
      out << Tr("{1}: over {2} passes, rank correlation of profit with {3} {4}; of the best "
                "tenth of {3}, profitable here {5} of {6}",
                {report.label, Number(bears->rows), base, correlation,
                 Number(bears->bestTenthProfitable), Number(bears->bestTenth)})
          << '\n';
    }
  }
}

Json JoinSummaryJson(const JoinSummary& summary) {
  Json reports = Json::array();
  for (const JoinSummary::Report& report : summary.reports) {
    Json item = {{"label", report.label},
                 {"passes", report.counts.passes},
                 {"leftOut", report.counts.leftOut},
                 {"repeated", report.counts.repeated},
                 {"unmatched", report.counts.unmatched}};
    if (const std::optional<core::OutOfSample>& bears = report.outOfSample) {
      item["ignoredInputs"] = report.ignored;
      item["notCountedInputs"] = report.notCounted;
      item["rows"] = bears->rows;
      item["rankCorrelation"] = bears->rankCorrelation
                                    ? Json::parse(CorrelationText(*bears->rankCorrelation))
                                    : Json(nullptr);
      item["bestTenth"] = bears->bestTenth;
      item["bestTenthProfitable"] = bears->bestTenthProfitable;
    }
    reports.push_back(std::move(item));
  }
  return {{"joined", summary.joined}, {"reports", std::move(reports)}};
}

void WriteJoinJson(std::ostream& out, const core::PassTable& table,
                   std::span<const std::size_t> slots, std::span<const ListedColumn> columns,
                   const JoinSummary& summary) {
  out << "{\n  \"rows\": ";
  WriteJsonRows(out, table, slots, columns, 2);
  out << ",\n  \"summary\": ";
  WriteReadableJson(out, JoinSummaryJson(summary), 2);
  out << "\n}\n";
}

}  // namespace kvl::cli
