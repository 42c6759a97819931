#include "SetFileTemplate.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include <cli/translation/Translation.h>
#include <core/CodePage.h>
#include <core/Exceptions.h>
#include <core/PanelText.h>
#include <core/ReportFile.h>
#include <core/parameters/ParameterPair.h>

namespace kvl::cli {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

// The lines of a text whose breaks may be CR LF, LF or CR; a break at the very end adds no empty
// last line.
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

bool IsNameStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// An input's name as MQL4 spells it, or the name of one of its range lines ("Lots,F").
bool IsInputName(std::string_view name) {
  if (name.size() > 2 && name[name.size() - 2] == ',' &&
      std::string_view("F123").find(name.back()) != std::string_view::npos) {
    name.remove_suffix(2);
  }
  return !name.empty() && IsNameStart(name.front()) &&
         std::ranges::all_of(name, [](char c) { return IsNameStart(c) || (c >= '0' && c <= '9'); });
}

bool HasInputLine(std::string_view text) {
  return std::ranges::any_of(SetFileLines(text), [](std::string_view line) {
    const core::ParameterPair pair = core::SplitParameterPair(line, core::Blanks::kTrimmed);
    return pair.value && IsInputName(pair.name);
  });
}

}  // namespace

SetFileTemplate ReadSetFileTemplate(const std::string& path) {
  const core::ReportFile file = core::ReadReportFile(path);
  std::string text = file.encoding == core::ReportFile::Encoding::Ansi
                         ? std::string(file.body)
                         : core::Utf16ToAnsi(core::DecodeUnicodeBody(file));
  // Any file would do as a template, a report too, and come out whole with the values appended:
  // what is not a set file is refused before anything is written.
  if (text.find('\0') != std::string::npos) {
    throw core::Exception(Tr("The template {1} holds a NUL byte: it is not a set file", {path}));
  }
  if (!HasInputLine(text)) {
    throw core::Exception(
        Tr("The template {1} has no name=value line: it is not a set file", {path}));
  }
  return {path, std::move(text)};
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
                            const std::optional<SetFileTemplate>& setTemplate) {
  if (!setTemplate) return core::SetFileTextForParams(params);
  return MergeSetFileTemplate(setTemplate->text, PanelParameters(params));
}

}  // namespace kvl::cli
