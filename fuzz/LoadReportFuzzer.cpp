// The loader on arbitrary file contents, against a reading of the report written apart from it:
// decoded whole to UTF-16 whatever its encoding, cut into lines one character at a time. The
// count must be the number of rows the table holds, numbered from 1, each the row that the
// reference parser gives for its line, and the loader must write no slot past them. A listener
// must hear every line once, in order, with the model's verdict on it. The test of the bytes for
// UTF-8 that the tool's check makes is held against a decoder of its own.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <core/CodePage.h>
#include <core/PassTable.h>
#include <core/ReportLoader.h>
#include <core/Utf8Text.h>

#include "FuzzCheck.h"
#include "ReferenceHeader.h"
#include "ReferenceParser.h"

using namespace kvl::core;

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

// What the model makes of each line of a report: 'h' a header, 's' skipped, 'p' stored as a pass.
struct ModelReport {
  std::vector<PassRecord> passes;  // views into the lines they were cut from
  std::string verdicts;
  std::deque<std::string> passLines;                            // in the ANSI code page
  std::vector<std::pair<HeaderLanguage, std::string>> headers;  // each header line's
};

// The passes of a report: every row after the results header whose Profit is not empty, a
// further header line left out.
ModelReport ReadModel(std::string_view bytes) {
  const std::vector<std::u16string> lines = Lines(Decode(bytes));
  const std::optional<ReferenceHeader> header = FindReferenceHeader(lines);
  ModelReport model;
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const bool afterHeader = header && k > header->line;
    // The last line is never taken for a header.
    if ((header && k == header->line) ||
        (afterHeader && k + 1 < lines.size() && CarriesMarker(lines[k], header->marker))) {
      model.verdicts += 'h';
      model.headers.emplace_back(header->language, Utf16ToAnsi(lines[k]));
      continue;
    }
    std::string line = afterHeader ? Utf16ToAnsi(lines[k]) : std::string();
    const PassRecord row = ParseReportRow(line);
    if (row.Profit.empty()) {
      model.verdicts += 's';
      continue;
    }
    model.verdicts += 'p';
    model.passes.push_back(ParseReportRow(model.passLines.emplace_back(std::move(line))));
  }
  return model;
}

// Well-formed UTF-8 with a character beyond ASCII, by code-point arithmetic: each sequence's
// value must need its length, and be no surrogate and at most U+10FFFF.
bool ModelLooksLikeUtf8(std::string_view bytes) {
  bool beyondAscii = false;
  for (std::size_t k = 0; k < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[k]);
    const std::size_t length = lead < 0x80       ? 1
                               : lead >> 5 == 6  ? 2
                               : lead >> 4 == 14 ? 3
                               : lead >> 3 == 30 ? 4
                                                 : 0;
    if (length == 0 || k + length > bytes.size()) return false;
    std::uint32_t value = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t c = 1; c < length; ++c) {
      const auto next = static_cast<unsigned char>(bytes[k + c]);
      if (next >> 6 != 2) return false;
      value = value << 6 | (next & 0x3F);
    }
    const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < least[length] || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) {
      return false;
    }
    beyondAscii = beyondAscii || length > 1;
    k += length;
  }
  return beyondAscii;
}

ReportFile::Encoding ModelEncoding(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) return ReportFile::Encoding::Utf8;
  if (bytes.starts_with("\xFF\xFE")) return ReportFile::Encoding::Utf16LE;
  if (bytes.starts_with("\xFE\xFF")) return ReportFile::Encoding::Utf16BE;
  return ReportFile::Encoding::Ansi;
}

// What a load tells, with a check that it numbers the lines from 1 without a gap.
class HeardLines final : public ReportLineListener {
 public:
  void TextEncoding(ReportFile::Encoding told) override { encoding = told; }
  void Header(std::size_t line, HeaderLanguage language, std::string_view text) override {
    Hear(line, 'h');
    headers.emplace_back(language, text);
  }
  void Skipped(std::size_t line) override { Hear(line, 's'); }
  void Stored(std::size_t line, std::string_view text, const PassRecord& pass) override {
    Hear(line, 'p');
    FUZZ_CHECK(pass.Index.empty());
    passLines.emplace_back(text);
  }

  ReportFile::Encoding encoding = ReportFile::Encoding::Ansi;
  std::string verdicts;
  std::vector<std::string> passLines;
  std::vector<std::pair<HeaderLanguage, std::string>> headers;

 private:
  void Hear(std::size_t line, char verdict) {
    FUZZ_CHECK(line == verdicts.size() + 1);
    verdicts += verdict;
  }
};

bool SameRow(const PassRecord& a, const PassRecord& b) {
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
  FUZZ_CHECK(LooksLikeUtf8(bytes) == ModelLooksLikeUtf8(bytes));
  const ModelReport model = ReadModel(bytes);
  const std::vector<PassRecord>& expected = model.passes;

  HeardLines heard;
  PassTable heardTable;
  FUZZ_CHECK(LoadReport(ReportPath(), heardTable, heard) == static_cast<int>(expected.size()));
  FUZZ_CHECK(heard.encoding == ModelEncoding(bytes));
  FUZZ_CHECK(heard.verdicts == model.verdicts);
  FUZZ_CHECK(heard.headers == model.headers);
  FUZZ_CHECK(std::equal(heard.passLines.begin(), heard.passLines.end(), model.passLines.begin(),
                        model.passLines.end()));

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
