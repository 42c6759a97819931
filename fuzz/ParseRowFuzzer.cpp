// The loader's row scan, the reference parser and the reading of parameter lines on arbitrary
// lines, each against a reading written apart from them: the row format on 0-based offsets,
// without the reference's position arithmetic or the scan's single pass over the tags, and the
// parameter lines through the panel's formatted text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <core/PanelText.h>
#include <core/ReportRowScan.h>
#include <core/parameters/ParameterLines.h>
#include <core/parameters/ParameterPair.h>

#include "FuzzCheck.h"
#include "ReferenceParser.h"

using namespace kvl::core;

namespace {

constexpr auto npos = std::string_view::npos;
constexpr std::string_view kMspt = "</td><td class=mspt>";

// The text before the first `marker`; empty without one.
std::string_view Before(std::string_view text, std::string_view marker) {
  const std::size_t at = text.find(marker);
  return at == npos ? std::string_view() : text.substr(0, at);
}

// The text after the first `marker`; without one, the text from offset `orFrom` on.
std::string_view After(std::string_view text, std::string_view marker, std::size_t orFrom) {
  const std::size_t at = text.find(marker);
  const std::size_t from = at == npos ? orFrom : at + marker.size();
  return text.substr(std::min(from, text.size()));
}

struct ModelRow {
  std::string_view params;
  std::string_view cells[6];  // Profit to DrawdownPercent
};

ModelRow ModelParse(std::string_view line) {
  ModelRow row;
  const std::size_t title = line.find("<td title=");
  const std::size_t end = line.find("</td>");
  // The text starts at the second byte after the marker, or at the line's 11th byte without it.
  const std::size_t from = title == npos ? 10 : title + 11;
  if (end != npos && from < end) row.params = line.substr(from, end - from);

  std::string_view rest = After(line, "<td class=mspt>", 14);
  const std::string_view separators[] = {"</td><td>", kMspt, kMspt, kMspt, kMspt, "</td>"};
  for (int k = 0; k < 6; ++k) {
    row.cells[k] = Before(rest, separators[k]);
    rest = After(rest, separators[k], separators[k].size() - 1);
  }
  return row;
}

// Every ';' and the byte after it become CR LF; a final ';' becomes CR LF as well.
std::string ModelFormat(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == ';') {
      out += "\r\n";
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

void CheckRow(const PassRecord& row, const ModelRow& model) {
  FUZZ_CHECK(row.Index.empty());
  FUZZ_CHECK(row.Params == model.params);
  FUZZ_CHECK(row.Profit == model.cells[0]);
  FUZZ_CHECK(row.Trades == model.cells[1]);
  FUZZ_CHECK(row.ProfitFactor == model.cells[2]);
  FUZZ_CHECK(row.ExpectedPayoff == model.cells[3]);
  FUZZ_CHECK(row.DrawdownMoney == model.cells[4]);
  FUZZ_CHECK(row.DrawdownPercent == model.cells[5]);
}

// The lines a set file keeps of a pass's parameter text, which holds no CR or LF as it comes from
// a report line: the formatted text cut at each CR LF, less its last line; after a final break
// that is the line before it.
std::vector<std::string> ModelKeptLines(std::string_view params) {
  const std::string formatted = ModelFormat(params);
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < formatted.size(); ++i) {
    if (formatted.compare(i, 2, "\r\n") == 0) {
      lines.emplace_back();
      ++i;
    } else {
      lines.back() += formatted[i];
    }
  }
  if (lines.size() > 1 && lines.back().empty()) lines.pop_back();
  lines.pop_back();
  return lines;
}

std::string_view ModelTrim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A line split at its first '=', blanks kept, then trimmed from both parts.
void CheckPair(std::string_view line) {
  const ParameterPair kept = SplitParameterPair(line, Blanks::kKept);
  FUZZ_CHECK(kept.name.find('=') == npos);
  if (kept.value) {
    FUZZ_CHECK(std::string(kept.name) + "=" + std::string(*kept.value) == line);
  } else {
    FUZZ_CHECK(kept.name == line);
  }
  const ParameterPair trimmed = SplitParameterPair(line, Blanks::kTrimmed);
  FUZZ_CHECK(trimmed.name == ModelTrim(kept.name));
  FUZZ_CHECK(trimmed.value.has_value() == kept.value.has_value());
  if (kept.value) FUZZ_CHECK(*trimmed.value == ModelTrim(*kept.value));
}

void CheckFormatting(std::string_view params) {
  const std::string formatted = FormatParameters(params);
  FUZZ_CHECK(formatted == ModelFormat(params));
  FUZZ_CHECK(FormatParameters(formatted) == formatted);

  const std::string_view reportParams = params.substr(0, params.find_first_of("\r\n"));
  const std::vector<std::string> expected = ModelKeptLines(reportParams);
  std::vector<std::string> lines;
  ForEachKeptLine(reportParams, [&lines](std::string_view line) {
    lines.emplace_back(line);
    CheckPair(line);
  });
  FUZZ_CHECK(lines == expected);
  std::string setFile;
  for (const std::string& line : expected) setFile += line + "\r\n";
  FUZZ_CHECK(SetFileTextForParams(reportParams) == setFile);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  const ModelRow model = ModelParse(line);
  CheckRow(ScanReportRow(line), model);
  CheckRow(ParseReportRow(line), model);
  FUZZ_CHECK(ExtractTitle(line) == model.params);
  CheckFormatting(line);
  CheckFormatting(ParseReportRow(line).Params);
  return 0;
}
