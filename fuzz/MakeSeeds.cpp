// Writes the fuzz targets' seed corpora from optimization reports: each report whole for the
// loader, each of its lines for the row parser, each cell of its passes for the conversions, and
// each column's cells as a table for the sort, in both directions.
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
#include <core/PassTable.h>
#include <core/ReportFile.h>
#include <core/ReportLineScan.h>
#include <core/ReportLoader.h>
#include <core/ResultColumns.h>

using namespace kvl::core;

namespace {

namespace fs = std::filesystem;

// Sort tables the size the sort target takes.
constexpr std::size_t kSortRows = 64;

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

void WritePassSeeds(const fs::path& out, const std::string& report) {
  PassTable table;
  const auto n = static_cast<std::size_t>(LoadReport(report, table));
  for (std::size_t s = 0; s < n; ++s) {
    for (const ResultColumn& column : kResultColumns)
      WriteSeed(out / "cell_convert_fuzzer", table[s].*column.field);
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
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: kvl-fuzz-seeds OUT REPORT...\n";
    return 2;
  }
  const fs::path out = argv[1];
  for (int k = 2; k < argc; ++k) {
    const std::string report = argv[k];
    std::ifstream in(report, std::ios::binary);
    WriteSeed(out / "load_report_fuzzer",
              std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
    WriteLineSeeds(out / "parse_row_fuzzer", report);
    WritePassSeeds(out, report);
  }
  return 0;
}
