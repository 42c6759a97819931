#include "SetFileTemplate.h"

#include <unordered_set>

#include <core/CodePage.h>
#include <core/PanelText.h>
#include <core/ReportFile.h>
#include <core/parameters/ParameterPair.h>

namespace kvl::cli {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The lines of a text whose breaks may be CR LF, LF or CR; a break at the very end adds no empty
// last line. Unlike a report, a set file keeps what follows a NUL.
std::vector<std::string_view> SetFileLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    lines.push_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    const bool crLf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    text.remove_prefix(end + (crLf ? 2 : 1));
  }
  return lines;
}

std::string_view Trimmed(std::string_view text) {
  return core::WithBlanks(text, core::Blanks::kTrimmed);
}

// The pass's value of the parameter called `name`, both names trimmed of blanks.
std::optional<std::string_view> ValueOf(const std::vector<PanelParameter>& parameters,
                                        std::string_view name) {
  for (const PanelParameter& parameter : parameters) {
    if (parameter.value && Trimmed(parameter.name) == name) return Trimmed(*parameter.value);
  }
  return std::nullopt;
}

}  // namespace

std::string ReadSetFileTemplate(const std::string& path) {
  const core::ReportFile file = core::ReadReportFile(path);
  if (file.encoding == core::ReportFile::Encoding::Ansi) return std::string(file.body);
  return core::Utf16ToAnsi(core::DecodeUnicodeBody(file));
}

std::string MergeSetFileTemplate(std::string_view setTemplate,
                                 const std::vector<PanelParameter>& parameters) {
  std::string merged;
  std::unordered_set<std::string_view> present;
  for (const std::string_view line : SetFileLines(setTemplate)) {
    // Views into the line, so that the blanks around the value stay where they are.
    const core::ParameterPair pair = core::SplitParameterPair(line, core::Blanks::kTrimmed);
    const auto value = pair.value ? ValueOf(parameters, pair.name) : std::nullopt;
    if (value) {
      present.insert(pair.name);
      const auto valueStart = static_cast<std::size_t>(pair.value->data() - line.data());
      merged.append(line.substr(0, valueStart))
          .append(*value)
          .append(line.substr(valueStart + pair.value->size()));
    } else {
      merged.append(line);
    }
    merged.append(kLineEnd);
  }
  for (const PanelParameter& parameter : parameters) {
    if (present.insert(Trimmed(parameter.name)).second) {
      merged.append(parameter.Line()).append(kLineEnd);
    }
  }
  return merged;
}

std::string PassSetFileText(std::string_view params,
                            const std::optional<std::string>& setTemplate) {
  if (!setTemplate) return core::SetFileTextForParams(params);
  return MergeSetFileTemplate(*setTemplate, PanelParameters(params));
}

}  // namespace kvl::cli
