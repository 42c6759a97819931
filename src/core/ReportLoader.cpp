#include "ReportLoader.h"

#include <charconv>
#include <limits>
#include <stdexcept>
#include <string_view>

#include "CodePage.h"
#include "ReportFile.h"
#include "ReportHeader.h"
#include "ReportLineScan.h"
#include "ReportRowScan.h"

namespace {

constexpr std::size_t kMostPasses = std::numeric_limits<int>::max();

// A data row's line holds at least this many bytes: 14 before its cells, a non-empty profit and
// the separator after it.
constexpr std::size_t kShortestRow = 24;

// Collects the data rows of one load into whole blocks of records.
class PassCollector {
 public:
  // `textBytes` bounds the number of rows, so the list of blocks never grows.
  explicit PassCollector(std::size_t textBytes) {
    const std::size_t rows = textBytes / (kShortestRow + 1) + 1;
    passes_.blocks.reserve(rows / kPassBlockRecords + 1);
  }

  // Stores the record of `line`, a line of the text, when it is a data row (its Profit is not
  // empty), numbering it after the rows before it.
  void Add(char* line, const CItem_OPT& row) {
    if (row.Profit.empty()) return;
    if (passes_.count == kMostPasses) throw std::length_error("too many passes in the report");
    if (passes_.count % kPassBlockRecords == 0) {
      passes_.blocks.emplace_back().reserve(kPassBlockRecords);
    }
    CItem_OPT& stored = passes_.blocks.back().emplace_back(row);
    // The number is not in the report. A data row's first ten bytes belong to none of its fields
    // (Params starts at its 11th byte at the earliest, the cells at its 15th), and ten digits
    // hold every pass number, so the number is written there.
    const auto [end, error] = std::to_chars(line, line + 10, ++passes_.count);
    stored.Index = std::string_view(line, static_cast<std::size_t>(end - line));
  }

  LoadedPasses Finish(TextBuffer text) {
    passes_.text = std::make_shared<const TextBuffer>(std::move(text));
    return std::move(passes_);
  }

 private:
  LoadedPasses passes_;
};

// Calls take(line) for every line after the first header line but further header lines. The last
// line is never taken for a header.
template <class CharT, class Take>
void ForEachLineAfterHeader(std::basic_string_view<CharT> text, Take take) {
  bool headerSeen = false;
  ForEachReportLine(text, [&](std::basic_string_view<CharT> line, bool last) {
    const bool header = !last && IsHeaderLine(line);
    if (headerSeen && !header) take(line);
    headerSeen = headerSeen || header;
  });
}

// An ANSI report is parsed where it was read: its bytes are the table's text.
LoadedPasses AnsiReportPasses(ReportFile file) {
  char* const body = file.bytes.data() + (file.body.data() - file.bytes.data());
  PassCollector passes(file.body.size());
  ForEachLineAfterHeader(file.body, [&](std::string_view line) {
    passes.Add(body + (line.data() - file.body.data()), ScanReportRow(line));
  });
  return passes.Finish(std::move(file.bytes));
}

// A report with a byte-order mark is scanned in UTF-16, and each line that is parsed is
// converted to the ANSI code page into the table's text, one byte per character.
LoadedPasses UnicodeReportPasses(ReportFile file) {
  const std::u16string text = DecodeUnicodeBody(file);
  file = {};
  TextBuffer ansi(text.size() + 1);
  char* converted = ansi.data();
  PassCollector passes(text.size());
  ForEachLineAfterHeader(std::u16string_view(text), [&](std::u16string_view line) {
    char* const start = converted;
    converted += Utf16ToAnsi(line, start);
    passes.Add(start, ScanReportRow(std::string_view(start, converted - start)));
  });
  return passes.Finish(std::move(ansi));
}

}  // namespace

int LoadReport(const std::string& path, PassTable& table) {
  ReportFile file = ReadReportFile(path);
  LoadedPasses passes = file.encoding == ReportFile::Encoding::Ansi
                            ? AnsiReportPasses(std::move(file))
                            : UnicodeReportPasses(std::move(file));
  const auto n = static_cast<int>(passes.count);
  table.Replace(std::move(passes));
  return n;
}
