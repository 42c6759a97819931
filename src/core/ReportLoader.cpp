#include "ReportLoader.h"

#include <charconv>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "CodePage.h"
#include "ReportFile.h"
#include "ReportLineScan.h"
#include "ReportRowScan.h"
#include "resultsheader/ResultsHeader.h"

namespace kvl::core {

namespace {

constexpr std::size_t kMostPasses = std::numeric_limits<int>::max();

// A data row's line holds at least this many bytes: 14 before its cells, a non-empty profit and
// the separator after it.
constexpr std::size_t kShortestRow = 24;

// A load that nobody listens to: every call compiles to nothing, and so does the numbering of
// lines that only a listener needs.
struct Unheard {
  template <class Line>
  void Header(Line, HeaderLanguage) {}
  void Skipped() {}
  void Stored(std::string_view, const PassRecord&) {}
};

// Numbers the lines for a listener, which the load tells about every line once, in order.
class NumberedLines {
 public:
  explicit NumberedLines(ReportLineListener& listener) : listener_(listener) {}

  void Header(std::string_view text, HeaderLanguage language) {
    listener_.Header(++line_, language, text);
  }
  void Header(std::u16string_view text, HeaderLanguage language) {
    Header(Utf16ToAnsi(text), language);
  }
  void Skipped() { listener_.Skipped(++line_); }
  void Stored(std::string_view text, const PassRecord& pass) {
    listener_.Stored(++line_, text, pass);
  }

 private:
  ReportLineListener& listener_;
  std::size_t line_ = 0;
};

// A line after the header is a data row when its Profit is not empty.
bool IsDataRow(const PassRecord& row) {
  return !row.Profit.empty();
}

// Collects the data rows of one load into whole blocks of records.
class PassCollector {
 public:
  // `textBytes` bounds the number of rows, so the list of blocks never grows.
  explicit PassCollector(std::size_t textBytes) {
    const std::size_t rows = textBytes / (kShortestRow + 1) + 1;
    passes_.blocks.reserve(rows / kPassBlockRecords + 1);
  }

  // Stores the record of `line`, a line of the text, when it is a data row, numbering it after
  // the rows before it.
  void Add(char* line, const PassRecord& row) {
    if (!IsDataRow(row)) return;
    if (passes_.count == kMostPasses) throw std::length_error("too many passes in the report");
    if (passes_.count % kPassBlockRecords == 0) {
      passes_.blocks.emplace_back().reserve(kPassBlockRecords);
    }
    PassRecord& stored = passes_.blocks.back().emplace_back(row);
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

// Tells `lines` of the line `length` bytes long at `line` while its bytes are still the report's,
// and stores it when it is a data row. Unheard, the telling and its test of the row vanish and
// the collector runs as on its own.
template <class Lines>
void Collect(PassCollector& passes, Lines& lines, char* line, std::size_t length,
             const PassRecord& row) {
  if (IsDataRow(row)) {
    lines.Stored(std::string_view(line, length), row);
  } else {
    lines.Skipped();
  }
  passes.Add(line, row);
}

// Calls take(line) for every line after the results header but further header lines, and tells
// `lines` of the others. The last line is never taken for a header.
template <class CharT, class Lines, class Take>
void ForEachLineAfterHeader(std::basic_string_view<CharT> text, Lines& lines, Take take) {
  const std::optional<ResultsHeader<CharT>> header = FindResultsHeader(text);
  if (!header) {
    ForEachReportLine(text, [&](std::basic_string_view<CharT>, bool) { lines.Skipped(); });
    return;
  }
  bool headerSeen = false;
  ForEachReportLine(text, [&](std::basic_string_view<CharT> line, bool last) {
    if (!headerSeen) {
      headerSeen = line.data() == header->line;
      if (headerSeen) {
        lines.Header(line, header->language);
      } else {
        lines.Skipped();
      }
    } else if (!last && header->marker.OnLine(line)) {
      lines.Header(line, header->language);
    } else {
      take(line);
    }
  });
}

// An ANSI report is parsed where it was read: its bytes are the table's text.
template <class Lines>
LoadedPasses AnsiReportPasses(ReportFile file, Lines& lines) {
  char* const body = file.bytes.data() + (file.body.data() - file.bytes.data());
  PassCollector passes(file.body.size());
  ForEachLineAfterHeader(file.body, lines, [&](std::string_view line) {
    Collect(passes, lines, body + (line.data() - file.body.data()), line.size(),
            ScanReportRow(line));
  });
  return passes.Finish(std::move(file.bytes));
}

// A report with a byte-order mark is scanned in UTF-16, and each line that is parsed is
// converted to the ANSI code page into the table's text, one byte per character.
template <class Lines>
LoadedPasses UnicodeReportPasses(ReportFile file, Lines& lines) {
  const std::u16string text = DecodeUnicodeBody(file);
  file = {};
  TextBuffer ansi(text.size() + 1);
  char* converted = ansi.data();
  PassCollector passes(text.size());
  ForEachLineAfterHeader(std::u16string_view(text), lines, [&](std::u16string_view line) {
    char* const start = converted;
    const std::size_t length = Utf16ToAnsi(line, start);
    converted += length;
    Collect(passes, lines, start, length, ScanReportRow(std::string_view(start, length)));
  });
  return passes.Finish(std::move(ansi));
}

template <class Lines>
int Load(ReportFile file, PassTable& table, Lines& lines) {
  LoadedPasses passes = file.encoding == ReportFile::Encoding::Ansi
                            ? AnsiReportPasses(std::move(file), lines)
                            : UnicodeReportPasses(std::move(file), lines);
  const auto n = static_cast<int>(passes.count);
  table.Replace(std::move(passes));
  return n;
}

}  // namespace

int LoadReport(const std::string& path, PassTable& table) {
  return LoadReport(ReadReportFile(path), table);
}

int LoadReport(const std::string& path, PassTable& table, ReportLineListener& listener) {
  return LoadReport(ReadReportFile(path), table, listener);
}

int LoadReport(ReportFile file, PassTable& table) {
  Unheard unheard;
  return Load(std::move(file), table, unheard);
}

int LoadReport(ReportFile file, PassTable& table, ReportLineListener& listener) {
  listener.TextEncoding(file.encoding);
  NumberedLines lines(listener);
  return Load(std::move(file), table, lines);
}

}  // namespace kvl::core
