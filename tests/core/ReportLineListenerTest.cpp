#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include <core/CodePage.h>
#include <core/ReportLoader.h>

#include "PassFields.h"
#include "ReportGenerator.h"
#include "TestFiles.h"

using namespace kvl::core;

namespace {

// What a load told, one text per line, and the fields of each pass as they were told.
class Transcript final : public ReportLineListener {
 public:
  void TextEncoding(ReportFile::Encoding told) override { encoding = told; }
  void Header(std::size_t line, HeaderLanguage, std::string_view) override { lines.push_back(std::to_string(line) + " header"); }
  void Skipped(std::size_t line) override { lines.push_back(std::to_string(line) + " skipped"); }
  void Stored(std::size_t line, std::string_view text, const PassRecord& pass) override {
    lines.push_back(std::to_string(line) + " stored " + std::string(text));
    passes.push_back(AllFields(pass));
  }

  std::optional<ReportFile::Encoding> encoding;
  std::vector<std::string> lines;
  std::vector<std::vector<std::string>> passes;
};

std::string Row(int pass, const std::string& profit) {
  std::string row = ReportRowLine(
      {std::to_string(pass), "A=1; ", profit, "12", "1.50", "12.50", "40.00", "2.10"}, 0);
  row.resize(row.size() - 2);  // its CR LF
  return row;
}

TEST(ReportLineListener, HearsEveryLineOnceInOrderWithTheStoredLinesAsTheReportHasThem) {
  const std::string header = ResultsHeaderLine();
  const std::string odd = "<tr><td colspan=7></td></tr>";
  const std::string ansi = "<html>\r\n" + Row(9, "1.00") + "\r\n" + header + "\r\n" +
                           Row(40, "10.00") + "\n" + odd + "\r" + header + "\r\n" + Row(3, "0.00") +
                           "\r\n</table>";
  const std::vector<std::string> expected = {"1 skipped",
                                             "2 skipped",
                                             "3 header",
                                             "4 stored " + Row(40, "10.00"),
                                             "5 skipped",
                                             "6 header",
                                             "7 stored " + Row(3, "0.00"),
                                             "8 skipped"};
  const struct {
    std::string bytes;
    ReportFile::Encoding encoding;
  } reports[] = {{ansi, ReportFile::Encoding::Ansi},
                 {"\xEF\xBB\xBF" + AnsiToUtf8(ansi), ReportFile::Encoding::Utf8}};
  const TempDir dir;
  for (const auto& report : reports) {
    Transcript transcript;
    PassTable table;
    ASSERT_EQ(LoadReport(dir.Write("report.htm", report.bytes), table, transcript), 2);
    EXPECT_EQ(transcript.encoding, report.encoding);
    EXPECT_EQ(transcript.lines, expected);
    ASSERT_EQ(transcript.passes.size(), 2u);
    for (std::size_t s = 0; s < 2; ++s) {
      std::vector<std::string> fields = AllFields(table[s]);
      fields[0].clear();  // the number is written after the line is told
      EXPECT_EQ(transcript.passes[s], fields) << "pass " << s + 1;
    }
  }
}

}  // namespace
