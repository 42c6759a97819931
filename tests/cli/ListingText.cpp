#include "ListingText.h"

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

std::vector<std::string> ListedIndexes(const std::string& tsv) {
  std::vector<std::string> indexes;
  for (const std::string& line : Lines(tsv)) indexes.push_back(line.substr(0, line.find('\t')));
  if (!indexes.empty()) indexes.erase(indexes.begin());
  return indexes;
}

ToolRun ListAsTsv(const std::string& report, const std::vector<std::string>& options) {
  std::vector<std::string> args = {"list", report, "--format", "tsv"};
  args.insert(args.end(), options.begin(), options.end());
  return RunTool(args);
}
