// Writes the fuzz targets' seed corpora from optimization reports: each report whole for the
// loader, each of its lines for the row parser, each cell of its passes for the conversions, each
// column's cells as a table for the sort, in both directions, conditions on its columns, figures
// and parameters with the texts of its first passes that they read, and each pass's set file and
// cells for the templates.
//
// usage: kvl-fuzz-seeds OUT REPORT...   (one folder per target under OUT)
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

#include <core/CodePage.h>
#include <core/PanelText.h>
#include <core/PassTable.h>
#include <core/ReportFile.h>
#include <core/ReportLineScan.h>
#include <core/ReportLoader.h>
#include <core/ResultColumns.h>
#include <core/parameters/ParameterLines.h>
#include <core/parameters/ParameterPair.h>

using namespace kvl::core;

namespace {

namespace fs = std::filesystem;

// Sort tables the size the sort target takes.
constexpr std::size_t kSortRows = 64;
// Passes a condition is tried on.
constexpr std::size_t kConditionRows = 16;
constexpr std::string_view kOperators[] = {"<", "<=", ">", ">=", "=", "!="};

// Names a seed by its content, so that equal seeds are written once.
void WriteSeed(const fs::path& folder, std::string_view bytes) {
  std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (const char c : bytes) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  fs::create_directories(folder);
  std::ofstream(folder / std::to_string(hash), std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void WriteLineSeeds(const fs::path& folder, const std::string& report) {
  const std::u16string text = DecodeUnicodeBody(ReadReportFile(report));
  ForEachReportLine(std::u16string_view(text),
                    [&](std::u16string_view line, bool) { WriteSeed(folder, Utf16ToAnsi(line)); });
}

// COLUMN OP the first pass's text, then the first passes' texts that the condition reads.
void WriteCondition(const fs::path& folder, std::size_t variant, const std::string& column,
                    const PassTable& table, std::size_t n, PassText PassRecord::*field,
                    std::string_view firstText) {
  std::string seed = column + std::string(kOperators[variant % std::size(kOperators)]) +
                     std::string(firstText) + '\0';
  for (std::size_t s = 0; s < std::min(n, kConditionRows); ++s) {
    if (s != 0) seed += '\n';
    seed += table[s].*field;
  }
  WriteSeed(folder, seed);
}

void WriteConditionSeeds(const fs::path& folder, const PassTable& table, std::size_t n) {
  if (n == 0) return;
  for (std::size_t c = 0; c < kResultColumns.size(); ++c) {
    const ResultColumn& column = kResultColumns[c];
    const std::string_view first = table[0].*column.field;
    WriteCondition(folder, c, std::string(column.name), table, n, column.field, first);
    if (c == 0) continue;
    for (const char* figure : {"-neighbours", "-min", "-mean"}) {
      WriteCondition(folder, c, std::string(column.name) + figure, table, n, column.field, first);
    }
  }
  std::size_t variant = 0;
  ForEachKeptLine(table[0].Params, [&](std::string_view line) {
    const ParameterPair pair = SplitParameterPair(line, Blanks::kTrimmed);
    if (!pair.value) return;
    WriteCondition(folder, variant++, "param:" + AnsiToUtf8(pair.name), table, n,
                   &PassRecord::Params, *pair.value);
  });
}

// The report's head up to its first line with "align=right>", where the period is looked for, as
// it is and, from a report without a byte-order mark, as UTF-16 of both byte orders.
void WritePeriodSeeds(const fs::path& folder, const std::string& report) {
  std::ifstream in(report, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const std::size_t table = bytes.find("align=right>");
  const std::string head = bytes.substr(0, bytes.find('\n', table));
  WriteSeed(folder, head);
  if (ReportFileOfBytes(head).encoding != ReportFile::Encoding::Ansi) return;
  for (const bool littleEndian : {true, false}) {
    std::string utf16 = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (const char16_t unit : AnsiToUtf16(head)) {
      const auto low = static_cast<char>(unit & 0xFF);
      const auto high = static_cast<char>(unit >> 8);
      utf16 += littleEndian ? std::string{low, high} : std::string{high, low};
    }
    WriteSeed(folder, utf16);
  }
}

void WritePassSeeds(const fs::path& out, const std::string& report) {
  PassTable table;
  const auto n = static_cast<std::size_t>(LoadReport(report, table));
  for (std::size_t s = 0; s < n; ++s) {
    for (const ResultColumn& column : kResultColumns)
      WriteSeed(out / "cell_convert_fuzzer", table[s].*column.field);
    // The pass's own set file as the template of the next pass, and the cells, each ended as the
    // name target's input reads them, under the names the manual shows.
    WriteSeed(out / "set_file_template_fuzzer", SetFileTextForParams(table[s].Params) + '\xFF' +
                                                    std::string(table[(s + 1) % n].Params));
    std::string cells = "{index}_pf{profit-factor}.set";
    for (const ResultColumn& column : kResultColumns)
      cells.append("\\;").append(table[s].*column.field);
    WriteSeed(out / "file_name_template_fuzzer", cells);
  }
  for (std::size_t c = 0; c < kResultColumns.size(); ++c) {
    for (const std::size_t direction : {0x00u, 0x80u}) {
      std::string seed(1, static_cast<char>(direction | c));
      for (std::size_t s = 0; s < std::min(n, kSortRows); ++s) {
        if (s != 0) seed += '\n';
        seed += table[s].*kResultColumns[c].field;
      }
      WriteSeed(out / "sort_passes_fuzzer", seed);
    }
  }
  WriteConditionSeeds(out / "where_condition_fuzzer", table, n);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: kvl-fuzz-seeds OUT REPORT...\n";
    return 2;
  }
  const fs::path out = argv[1];
  // The examples the tool's help gives.
  for (const char* condition :
       {"trades>=100", "drawdown-percent<20", "param:Lots=0.1", "profit-neighbours>=2"}) {
    WriteSeed(out / "where_condition_fuzzer", condition);
  }
  for (int k = 2; k < argc; ++k) {
    const std::string report = argv[k];
    std::ifstream in(report, std::ios::binary);
    WriteSeed(out / "load_report_fuzzer",
              std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    WriteLineSeeds(out / "parse_row_fuzzer", report);
    WritePeriodSeeds(out / "tested_period_fuzzer", report);
    WritePassSeeds(out, report);
  }
  return 0;
}
