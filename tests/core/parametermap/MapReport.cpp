#include "MapReport.h"

#include <core/ReportLoader.h>

#include "ReportText.h"

using namespace kvl::core;

MapReport::MapReport(const std::vector<MapPass>& passes) {
  std::vector<GeneratedPass> rows;
  for (std::size_t p = 0; p < passes.size(); ++p) {
    rows.push_back({std::to_string(p), passes[p].title, passes[p].profit, passes[p].trades, "1.50",
                    "2.00", passes[p].drawdown, "1.00"});
  }
  count = static_cast<std::size_t>(LoadReport(dir_.Write("report.htm", ReportText(rows)), table));
}

std::string Title(const std::vector<std::pair<std::string, std::string>>& parameters) {
  std::string title;
  for (const auto& [name, value] : parameters) title += name + "=" + value + "; ";
  return title;
}
