#pragma once

#include <cstddef>
#include <iosfwd>
#include <nlohmann/json.hpp>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <cli/rows/ListedColumns.h>
#include <core/PassTable.h>
#include <core/join/JoinFigures.h>
#include <core/join/ReportJoin.h>

#include "JoinedReports.h"

namespace kvl::cli {

// What a comparison found, of each report and of how each later one bears out the base.
struct JoinSummary {
  struct Report {
    std::string label;
    core::ComparedCounts counts;
    // Of a report after the base, UTF-8: the inputs that only one of the pair has, and those
    // that both have but --on leaves out.
    std::vector<std::string> ignored;
    std::vector<std::string> notCounted;
    std::optional<core::OutOfSample> outOfSample;  // of a report after the base
  };

  std::size_t joined = 0;  // base passes with a match in every report
  std::vector<Report> reports;
};

JoinSummary SummaryOf(const JoinedReports& reports);

// The rank correlation with two decimals, "-0.00" written "0.00".
std::string CorrelationText(long double correlation);

// A line a fact, in the user's language, as the tool's messages are written on standard error.
void WriteJoinSummary(std::ostream& out, const JoinSummary& summary);

// The same as JSON: "joined", and "reports", an object each.
nlohmann::ordered_json JoinSummaryJson(const JoinSummary& summary);

// One object: "rows", as list --format json writes them, and "summary".
void WriteJoinJson(std::ostream& out, const core::PassTable& table,
                   std::span<const std::size_t> slots, std::span<const ListedColumn> columns,
                   const JoinSummary& summary);

}  // namespace kvl::cli
