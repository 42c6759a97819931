#pragma once

#include <string>
#include <vector>

#include "RunTool.h"

// The lines of a text, each without its final LF.
std::vector<std::string> Lines(const std::string& text);

// The index column of a tsv listing: the pass numbers in listed order.
std::vector<std::string> ListedIndexes(const std::string& tsv);

// Runs `list REPORT --format tsv` followed by `options`.
ToolRun ListAsTsv(const std::string& report, const std::vector<std::string>& options);
