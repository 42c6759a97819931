#include "ReportFixture.h"

#include "ReportGenerator.h"

std::string ReportText(const std::vector<GeneratedPass>& passes) {
  std::string text = ReportHead();
  for (std::size_t row = 0; row < passes.size(); ++row) text += ReportRow(passes[row], row);
  return text + ReportTail();
}

std::vector<GeneratedPass> NumberedPasses(const std::vector<std::vector<std::string>>& figures) {
  std::vector<GeneratedPass> passes;
  for (const auto& row : figures) {
    const std::size_t k = passes.size() + 1;
    passes.push_back({std::to_string(k),
                      "P=" + std::to_string(k) + "; Q=" + std::to_string(k * 10) + "; ", row.at(0),
                      row.at(1), row.at(2), row.at(3), row.at(4), row.at(5)});
  }
  return passes;
}
