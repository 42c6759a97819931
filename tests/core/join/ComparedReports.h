#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <core/PassTable.h>
#include <core/join/ReportJoin.h>

#include "TestFiles.h"

// A pass of a small report of a comparison: its parameter title ("A=1; B=2; ") and its profit.
struct ComparedPass {
  std::string title;
  std::string profit = "100.00";
};

// A small report: the row its head has in place of the period row (UTF-8; empty for none) and
// its passes, numbered from 1 in the given order.
struct ComparedReportText {
  std::string periodRow;
  std::vector<ComparedPass> passes;
};

// The header's row of `caption` with `text`, as the terminal writes it.
std::string HeadRow(std::string_view caption, std::string_view text);
// A period row of the Russian terminal: hourly from `from` to `to`.
std::string HourlyPeriod(std::string_view from, std::string_view to);

// The reports written to files, loaded, and their periods read from the files.
class ComparedReports {
 public:
  explicit ComparedReports(const std::vector<ComparedReportText>& texts);

  std::vector<kvl::core::ComparedReport> reports;

 private:
  TempDir dir_;
  std::vector<std::unique_ptr<kvl::core::PassTable>> tables_;
};
