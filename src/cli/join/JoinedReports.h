#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <core/PassTable.h>
#include <core/join/ReportJoin.h>

namespace kvl::cli {

// The reports of a comparison, loaded, and their passes matched by their inputs.
class JoinedReports {
 public:
  // Loads each report of `paths` (a path, or "-" for standard input) once, with its tested
  // period, and matches their passes; `labels` name them in messages. Fails as LoadReportPasses
  // does, and raises Exception, naming the reports by their labels, for a pair of reports that
  // share no input and for a name of rules.on that a report lacks, listing its inputs.
  JoinedReports(std::span<const std::string> paths, std::vector<std::string> labels,
                const core::JoinRules& rules);
  JoinedReports(const JoinedReports&) = delete;
  JoinedReports& operator=(const JoinedReports&) = delete;

  const core::PassTable& BaseTable() const noexcept { return *tables_.front(); }
  std::size_t BaseCount() const noexcept { return reports_.front().count; }
  std::span<const core::ComparedReport> Reports() const noexcept { return reports_; }
  const std::vector<std::string>& Labels() const noexcept { return labels_; }
  const core::ReportJoin& Join() const noexcept { return *join_; }
  // The table slots of the joined base passes, in base pass order.
  const std::vector<std::size_t>& BaseSlots() const noexcept { return baseSlots_; }

 private:
  // Raises the Exception that says why the reports cannot be matched.
  [[noreturn]] void RefuseMatch() const;

  std::vector<std::string> labels_;
  // Apart, so that the reports' views of them stay where they are.
  std::vector<std::unique_ptr<core::PassTable>> tables_;
  std::vector<core::ComparedReport> reports_;
  std::optional<core::ReportJoin> join_;
  std::vector<std::size_t> baseSlots_;
};

}  // namespace kvl::cli
