// The user's set file as an export's template, read from a file and merged with a pass's
// parameters, against a reading of the documented rules written apart from the code: the lines
// and their breaks, the name before a line's first '=' trimmed of blanks, the value put between
// the blanks that surround the old one, the missing parameters after the lines.
//
// Input: the template's bytes, then after the first 0xFF byte the pass's parameter text as the
// report's cell holds it ("A=1; B=2; \">3").
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <cli/setfiles/SetFileTemplate.h>
#include <core/Exceptions.h>

#include "FuzzCheck.h"

using namespace kvl;

namespace {

constexpr auto npos = std::string_view::npos;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

struct Parameter {
  std::string_view line;  // as the report holds it
  std::string_view name;  // before the first '=', trimmed
  std::optional<std::string_view> value;
};

// The report cell's lines: each ';' ends one when two bytes or more follow it, the byte after
// it dropped; what is left after the last is the rest of the cell.
std::vector<Parameter> ParametersModel(std::string_view params) {
  std::vector<Parameter> parameters;
  for (std::size_t start = 0, at = 0; at < params.size(); ++at) {
    if (params[at] != ';') continue;
    if (at + 2 >= params.size()) break;
    const std::string_view line = params.substr(start, at - start);
    const std::size_t equals = line.find('=');
    parameters.push_back(
        {line, Trim(line.substr(0, equals)),
         equals == npos ? std::nullopt : std::optional(Trim(line.substr(equals + 1)))});
    start = at + 2;
    at = start - 1;
  }
  return parameters;
}

std::vector<std::string_view> LinesModel(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t at = 0; at < text.size(); ++at) {
    if (text[at] != '\r' && text[at] != '\n') continue;
    lines.push_back(text.substr(start, at - start));
    if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
    start = at + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

bool IsIdentifierChar(char c, bool first) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
         (!first && c >= '0' && c <= '9');
}

// An MQL4 identifier, alone or with one of the range suffixes ",F" ",1" ",2" ",3".
bool IsInputNameModel(std::string_view name) {
  const std::size_t comma = name.size() >= 2 ? name.size() - 2 : npos;
  if (comma != npos && name[comma] == ',' && comma > 0 &&
      std::string_view("F123").find(name.back()) != npos) {
    name = name.substr(0, comma);
  }
  if (name.empty()) return false;
  for (std::size_t k = 0; k < name.size(); ++k) {
    if (!IsIdentifierChar(name[k], k == 0)) return false;
  }
  return true;
}

// The refusal of a template, or nothing when it is a set file.
std::optional<std::string> RefusalModel(std::string_view text, const std::string& path) {
  if (text.find('\0') != npos) {
    return "The template " + path + " holds a NUL byte: it is not a set file";
  }
  for (const std::string_view line : LinesModel(text)) {
    const std::size_t equals = line.find('=');
    if (equals != npos && IsInputNameModel(Trim(line.substr(0, equals)))) return std::nullopt;
  }
  return "The template " + path + " has no name=value line: it is not a set file";
}

std::string MergeModel(std::string_view text, const std::vector<Parameter>& parameters) {
  std::string merged;
  std::set<std::string_view> written;
  for (const std::string_view line : LinesModel(text)) {
    const std::size_t equals = line.find('=');
    const Parameter* given = nullptr;
    if (equals != npos) {
      const std::string_view name = Trim(line.substr(0, equals));
      for (const Parameter& parameter : parameters) {
        if (parameter.value && parameter.name == name) {
          given = &parameter;
          break;
        }
      }
    }
    if (given == nullptr) {
      merged.append(line);
    } else {
      written.insert(given->name);
      // The blanks before the old value, then the new one, then the blanks after the old one.
      std::size_t from = equals + 1;
      while (from < line.size() && IsBlank(line[from])) ++from;
      std::size_t to = line.size();
      while (to > from && IsBlank(line[to - 1])) --to;
      merged.append(line.substr(0, from)).append(*given->value).append(line.substr(to));
    }
    merged.append("\r\n");
  }
  // One line per name: a parameter whose name a line already took, or an earlier parameter, is
  // not written again.
  for (const Parameter& parameter : parameters) {
    if (written.insert(parameter.name).second) merged.append(parameter.line).append("\r\n");
  }
  return merged;
}

const std::string& TemplatePath() {
  static const std::string path = (std::filesystem::temp_directory_path() /
                                   ("kvl-set-template-fuzz-" + std::to_string(getpid()) + ".set"))
                                      .string();
  static const bool removedAtExit = std::atexit([] { std::remove(path.c_str()); }) == 0;
  (void)removedAtExit;
  return path;
}

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = std::min(input.find('\xFF'), input.size());
  const std::string_view bytes = input.substr(0, split);
  const std::string_view params = input.substr(std::min(split + 1, input.size()));

  // A byte-order mark makes the reading decode the rest; ASCII after it stays as it is.
  std::string_view text = bytes;
  if (text.starts_with(kUtf8Mark)) {
    text.remove_prefix(kUtf8Mark.size());
    for (const char c : text) {
      if (static_cast<unsigned char>(c) >= 0x80) return 0;
    }
  }

  const std::string& path = TemplatePath();
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  const std::optional<std::string> refusal = RefusalModel(text, path);
  std::optional<cli::SetFileTemplate> setTemplate;
  try {
    setTemplate = cli::ReadSetFileTemplate(path);
  } catch (const core::Exception& error) {
    FUZZ_CHECK(refusal && error.Message() == *refusal);
    return 0;
  }
  FUZZ_CHECK(!refusal);
  FUZZ_CHECK(setTemplate->path == path);
  FUZZ_CHECK(setTemplate->text == text);

  const std::string expected = MergeModel(text, ParametersModel(params));
  FUZZ_CHECK(cli::PassSetFileText(params, setTemplate) == expected);
  return 0;
}
