#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include <core/Exceptions.h>
#include <core/PassTable.h>
#include <core/join/JoinFigures.h>
#include <core/join/ReportJoin.h>
#include <core/join/TestedPeriod.h>

namespace kvl::ui {

class LoadedReport;

// A comparison that cannot be made as the user asked: its message says why, in Russian.
class ComparisonRefused : public core::Exception {
 public:
  using Exception::Exception;
};

// A report compared with the main window's, as it was read.
struct OtherReport {
  QString label;  // the file's name without its extension
  std::shared_ptr<const core::PassTable> passes;
  std::size_t count = 0;
  std::optional<core::TestedPeriod> period;
};

// The main window's report, the base, and the other reports joined with it by every input each
// shares with it, with the figures of each joined pass and how each other report bears the base
// out. The base's passes stay the main window's, so it must not outlive their load.
struct JoinedReports {
  JoinedReports() = default;
  JoinedReports(const JoinedReports&) = delete;
  JoinedReports& operator=(const JoinedReports&) = delete;

  // The reports' labels, the base's first: their file names without extensions, numbered where
  // they repeat.
  QStringList labels;
  std::vector<OtherReport> others;
  // The base, then the others in their order.
  std::vector<core::ComparedReport> reports;
  std::optional<core::ReportJoin> join;
  std::optional<core::JoinFigures> figures;
  // Of reports[r] at r-1.
  std::vector<core::OutOfSample> bearOuts;

  // The text of `field` of report r's pass in join row `row`; empty where it has none.
  core::PassText Field(std::size_t row, std::size_t r,
                       core::PassText core::PassRecord::*field) const;
};

// The number a cell holds, as the results list sorts it (CellToFloat); none for an empty cell or
// one that is no number.
std::optional<long double> CellNumber(std::string_view cell);

// Reads the report at `otherPath` and joins it, after the reports of `earlier` if given, with the
// loaded `base`, whose file's head is read again for its tested period. Raises ComparisonRefused
// when the file cannot be read or holds no results, or when a report shares no input with the
// base; std::bad_alloc without memory. `earlier` stays as it was.
std::unique_ptr<JoinedReports> JoinWithReport(const LoadedReport& base, const QString& otherPath,
                                              const JoinedReports* earlier = nullptr);

}  // namespace kvl::ui
