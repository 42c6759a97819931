#include "JoinLabels.h"

#include <algorithm>
#include <string_view>

#include <cli/rows/ParameterKey.h>
#include <cli/translation/Translation.h>
#include <core/Exceptions.h>
#include <core/Utf8Path.h>
#include <core/parameters/ParameterPair.h>

namespace kvl::cli {

namespace {

// The labels of --labels, each trimmed of blanks, as the options that name them read a column.
std::vector<std::string> Split(std::string_view text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(',', start)) != std::string_view::npos; start = end + 1) {
    parts.emplace_back(core::WithBlanks(text.substr(start, end - start), core::Blanks::kTrimmed));
  }
  parts.emplace_back(core::WithBlanks(text.substr(start), core::Blanks::kTrimmed));
  return parts;
}

std::vector<std::string> FileLabels(std::span<const std::string> reports) {
  std::vector<std::string> labels;
  for (const std::string& report : reports) {
    labels.push_back(core::Utf8FromPath(core::PathFromUtf8(report).stem()));
  }
  return labels;
}

void CheckLabel(const std::string& label, bool given) {
  // TRANSLATORS: {1} is how the label came: "--labels" or "the file name".
  const std::string from = given ? "--labels" : Tr("the file name");
  if (label.empty()) throw core::Exception(Tr("A report's label from {1} is empty", {from}));
  if (label.find_first_of(":,") != std::string::npos) {
    throw core::Exception(
        Tr("The label \"{1}\" from {2} holds a \":\" or a \",\"; give others "
           "with --labels",
           {label, from}));
  }
  if (std::string(label) + ':' == kParameterPrefix) {
    throw core::Exception(
        Tr("The label \"{1}\" from {2} would read as a parameter's key; give "
           "others with --labels",
           {label, from}));
  }
}

}  // namespace

std::vector<std::string> JoinLabels(std::span<const std::string> reports,
                                    const std::optional<std::string>& labels) {
  std::vector<std::string> chosen = labels ? Split(*labels) : FileLabels(reports);
  if (chosen.size() != reports.size()) {
    throw core::Exception(TrCount("--labels gives {1} label for {2} reports",
                                  "--labels gives {1} labels for {2} reports", chosen.size(),
                                  {std::to_string(chosen.size()), std::to_string(reports.size())}));
  }
  for (std::size_t k = 0; k < chosen.size(); ++k) {
    CheckLabel(chosen[k], labels.has_value());
    if (std::find(chosen.begin(), chosen.begin() + static_cast<std::ptrdiff_t>(k), chosen[k]) !=
        chosen.begin() + static_cast<std::ptrdiff_t>(k)) {
      throw core::Exception(
          Tr("Two reports have the label \"{1}\"; give each its own with --labels", {chosen[k]}));
    }
  }
  return chosen;
}

}  // namespace kvl::cli
