#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace kvl::cli {

// The labels of a comparison's reports, UTF-8, in the order of `reports`: those that `labels`
// gives separated by commas, blanks around them dropped, else each report's file name without its
// extension. A label heads the report's columns, as in "oos:profit", so it must name one report
// alone: raises Exception for labels that are empty, hold a ':' or a ',', are "param" (which would
// read as a parameter's key), repeat, or whose number differs from the reports'.
std::vector<std::string> JoinLabels(std::span<const std::string> reports,
                                    const std::optional<std::string>& labels);

}  // namespace kvl::cli
