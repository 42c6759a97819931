// The loader on arbitrary file contents, against a reading of the report written apart from it:
// decoded whole to UTF-16 whatever its encoding, cut into lines one character at a time. The
// count must be the number of rows the table holds, numbered from 1, each the row that the
// parser gives for its line, and the loader must write no slot past them.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "CodePage.h"
#include "FuzzCheck.h"
#include "Parser.h"
#include "PassTable.h"
#include "ReportLoader.h"

namespace {

std::u16string DecodeUtf16(std::string_view bytes, bool littleEndian) {
  std::u16string text;
  for (std::size_t k = 0; k + 1 < bytes.size(); k += 2) {
    const unsigned char low = littleEndian ? bytes[k] : bytes[k + 1];
    const unsigned char high = littleEndian ? bytes[k + 1] : bytes[k];
    text.push_back(static_cast<char16_t>(high << 8 | low));
  }
  if (bytes.size() % 2 != 0) text.push_back(u'\uFFFD');
  return text;
}

std::u16string Decode(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return Utf8ToUtf16(bytes.substr(3));
  if (bytes.starts_with("\xFF\xFE")) return DecodeUtf16(bytes.substr(2), true);
  if (bytes.starts_with("\xFE\xFF")) return DecodeUtf16(bytes.substr(2), false);
  return AnsiToUtf16(bytes);
}

std::vector<std::u16string> Lines(std::u16string text) {
  text = text.substr(0, text.find(u'\0'));
  std::vector<std::u16string> lines;
  std::u16string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r' && text[i] != u'\n') {
      line.push_back(text[i]);
      continue;
    }
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    lines.push_back(line);
    line.clear();
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

// The passes of a report: every row after the first header line whose Profit is not empty, a
// further header line left out. Their fields are views into `rowLines`.
std::vector<CItem_OPT> ModelPasses(std::string_view bytes, std::deque<std::string>& rowLines) {
  const std::vector<std::u16string> lines = Lines(Decode(bytes));
  const std::u16string marker = AnsiToUtf16("align=right><td>\xCF\xF0\xEE\xF5\xEE\xE4<");
  // The last line is never taken for a header.
  auto isHeader = [&](std::size_t k) {
    const std::size_t at = lines[k].find(marker);
    return k + 1 < lines.size() && at != std::u16string::npos && at > 0;
  };
  std::vector<CItem_OPT> passes;
  bool afterHeader = false;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    if (isHeader(k)) {
      afterHeader = true;
      continue;
    }
    if (!afterHeader) continue;
    const CItem_OPT row = ParseReportRow(rowLines.emplace_back(Utf16ToAnsi(lines[k])));
    if (!row.Profit.empty()) passes.push_back(row);
  }
  return passes;
}

bool SameRow(const CItem_OPT& a, const CItem_OPT& b) {
  return a.Params == b.Params && a.Profit == b.Profit && a.Trades == b.Trades &&
         a.ProfitFactor == b.ProfitFactor && a.ExpectedPayoff == b.ExpectedPayoff &&
         a.DrawdownMoney == b.DrawdownMoney && a.DrawdownPercent == b.DrawdownPercent;
}

// The file the loader reads: in memory, rewritten for every input.
const std::string& ReportPath() {
  static const std::string path = [] {
    const int fd = ::memfd_create("report", 0);
    FUZZ_CHECK(fd >= 0);
    return "/proc/self/fd/" + std::to_string(fd);
  }();
  return path;
}

void WriteReport(const std::string& path, std::string_view bytes) {
  const int fd = std::stoi(path.substr(path.rfind('/') + 1));
  FUZZ_CHECK(::ftruncate(fd, 0) == 0);
  FUZZ_CHECK(::pwrite(fd, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  WriteReport(ReportPath(), bytes);
  std::deque<std::string> rowLines;
  const std::vector<CItem_OPT> expected = ModelPasses(bytes, rowLines);

  static PassTable table;
  const std::size_t beyond = expected.size();
  if (beyond < table.Size()) table[beyond].Index = "untouched";
  const int n = LoadReport(ReportPath(), table);

  FUZZ_CHECK(n >= 0 && static_cast<std::size_t>(n) == expected.size());
  for (std::size_t k = 0; k < expected.size(); ++k) {
    FUZZ_CHECK(table[k].Index == std::to_string(k + 1));
    FUZZ_CHECK(SameRow(table[k], expected[k]));
  }
  if (beyond < table.Size()) FUZZ_CHECK(table[beyond].Index == "untouched");
  return 0;
}
