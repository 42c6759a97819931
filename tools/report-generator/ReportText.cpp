#include "ReportText.h"

#include "ReportGenerator.h"

std::string ReportText(const std::vector<GeneratedPass>& passes) {
  std::string text = ReportHead();
  for (std::size_t row = 0; row < passes.size(); ++row) text += ReportRow(passes[row], row);
  return text + ReportTail();
}
