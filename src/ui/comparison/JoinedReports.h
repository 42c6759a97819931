#pragma once

#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <string_view>

#include <core/Exceptions.h>
#include <core/PassTable.h>
#include <core/join/JoinFigures.h>
#include <core/join/ReportJoin.h>

namespace kvl::ui {

class LoadedReport;

// A comparison that cannot be made as the user asked: its message says why, in Russian.
class ComparisonRefused : public core::Exception {
 public:
  using Exception::Exception;
};

// The main window's report, the base, and one other report joined with it by every input they
// share, with the figures of each joined pass and how the other report bears the base out. It
// holds the other report's passes; the base's stay the main window's, so it must not outlive
// their load.
struct JoinedReports {
  JoinedReports() = default;
  JoinedReports(const JoinedReports&) = delete;
  JoinedReports& operator=(const JoinedReports&) = delete;

  // The reports' labels: their file names without extensions.
  std::array<QString, 2> labels;
  core::PassTable otherPasses;
  std::array<core::ComparedReport, 2> reports;
  std::optional<core::ReportJoin> join;
  std::optional<core::JoinFigures> figures;
  core::OutOfSample bearOut;

  // The text of `field` of report r's pass in join row `row`; empty where it has none.
  core::PassText Field(std::size_t row, std::size_t r,
                       core::PassText core::PassRecord::*field) const;
};

// The number a cell holds, as the results list sorts it (CellToFloat); none for an empty cell or
// one that is no number.
std::optional<long double> CellNumber(std::string_view cell);

// Reads the report at `otherPath` and joins it with the loaded `base`, whose file's head is read
// again for its tested period. Raises ComparisonRefused when the other file cannot be read or holds
// no results, or when the reports share no input; std::bad_alloc without memory.
std::unique_ptr<JoinedReports> JoinWithReport(const LoadedReport& base, const QString& otherPath);

}  // namespace kvl::ui
