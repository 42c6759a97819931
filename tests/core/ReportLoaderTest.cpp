#include <gtest/gtest.h>

#include <filesystem>

#include <core/CodePage.h>
#include <core/Exceptions.h>
#include <core/ReportLoader.h>

#include "PassFields.h"
#include "ReportGenerator.h"
#include "SystemTexts.h"
#include "TestFiles.h"

using namespace kvl::core;

namespace {

const std::string kHeader = ResultsHeaderLine();

std::string Row(int pass, const std::string& profit, const std::string& params = "A=1; B=2; ") {
  return ReportRowLine(
      {std::to_string(pass), params, profit, "12", "1.50", "12.50", "40.00", "2.10"}, 0);
}

std::string Join(const std::vector<std::string>& lines, std::string_view lineBreak = "\r\n") {
  std::string text;
  for (const std::string& line : lines) text += line + std::string(lineBreak);
  return text;
}

// The Index and Profit of slots 0 to n-1, as "Index:Profit" texts.
std::vector<std::string> Passes(const PassTable& table, int n) {
  std::vector<std::string> passes;
  for (int s = 0; s < n; ++s) {
    passes.push_back(std::string(table[s].Index) + ":" + std::string(table[s].Profit));
  }
  return passes;
}

class LoadReportTest : public ::testing::Test {
 protected:
  int Load(std::string_view bytes) { return LoadReport(dir.Write("report.htm", bytes), table); }

  TempDir dir;
  PassTable table;
};

TEST_F(LoadReportTest, StoresDataRowsAfterTheHeaderNumberedInFileOrder) {
  const int n = Load(Join({"<html>", Row(9, "1.00"), kHeader, Row(40, "10.00"), Row(7, "-5.00"),
                           "<tr><td colspan=7></td></tr>", Row(3, "0.00"), "</table>", "</html>"}));
  EXPECT_EQ(n, 3);
  EXPECT_EQ(Passes(table, 3), (std::vector<std::string>{"1:10.00", "2:-5.00", "3:0.00"}));
  EXPECT_EQ(table[0].Params, "A=1; B=2; \">40");
  EXPECT_EQ(table[2].DrawdownPercent, "2.10");
  EXPECT_EQ(table[3].Index, "") << "slots past the passes stay empty";
}

TEST_F(LoadReportTest, WhereTheHeaderStands) {
  struct Case {
    const char* what;
    std::vector<std::string> lines;
    int expected;
  };
  const std::string atLineStart = kHeader.substr(kHeader.find("align=right"));
  const Case cases[] = {
      {"empty file", {}, 0},
      {"one line", {kHeader + Row(1, "1.00")}, 0},
      {"marker at position 1 is not a header", {atLineStart, Row(1, "1.00"), "</table>"}, 0},
      {"marker after one byte is", {" " + atLineStart, Row(1, "1.00"), "</table>"}, 1},
      {"header on the last line is never scanned", {Row(1, "1.00"), kHeader}, 0},
      {"header on the second-to-last line: only the last is parsed", {kHeader, Row(1, "1.00")}, 1},
      {"no header at all", {Row(1, "1.00"), Row(2, "2.00"), "</table>"}, 0},
      {"header without data rows", {kHeader, "</table>", "</html>"}, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(Load(Join(c.lines)), c.expected) << c.what;
}

TEST_F(LoadReportTest, LineBreakFormsGiveTheSamePasses) {
  const std::vector<std::string> lines = {kHeader, Row(1, "1.00"), Row(2, "2.00"), "</table>"};
  for (const std::string_view lineBreak : {"\r\n", "\n", "\r"}) {
    EXPECT_EQ(Load(Join(lines, lineBreak)), 2);
    EXPECT_EQ(Passes(table, 2), (std::vector<std::string>{"1:1.00", "2:2.00"}));
  }
  // Without a final break the last line is still a line.
  EXPECT_EQ(Load(kHeader + "\r\n" + Row(1, "1.00")), 1);
}

TEST_F(LoadReportTest, TheTextEndsAtItsFirstNul) {
  std::string bytes = Join({kHeader, Row(1, "1.00"), Row(2, "2.00")});
  bytes.insert(bytes.find(Row(2, "2.00")), std::string(1, '\0'));
  EXPECT_EQ(Load(bytes), 1);
}

TEST_F(LoadReportTest, AFurtherHeaderLineIsSkippedAndShiftsNothing) {
  const int n = Load(Join(
      {kHeader, Row(1, "1.00"), kHeader, Row(2, "2.00"), kHeader, Row(3, "3.00"), "</table>"}));
  EXPECT_EQ(n, 3);
  EXPECT_EQ(Passes(table, 3), (std::vector<std::string>{"1:1.00", "2:2.00", "3:3.00"}));
}

TEST_F(LoadReportTest, EveryEncodingGivesTheSamePasses) {
  const std::string ansi =
      Join({kHeader, Row(1, "1.00", "\xCB\xEE\xF2=0.1; \xD1\xF2\xEE\xEF=50; "), Row(2, "-2.50")});
  const std::u16string utf16 = AnsiToUtf16(ansi);
  std::string le = "\xFF\xFE", be = "\xFE\xFF";
  for (const char16_t unit : utf16) {
    le += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    be += {static_cast<char>(unit >> 8), static_cast<char>(unit & 0xFF)};
  }
  const std::string encodings[] = {"\xEF\xBB\xBF" + AnsiToUtf8(ansi), le, be};

  ASSERT_EQ(Load(ansi), 2);
  const PassTable expected = table;
  for (const std::string& bytes : encodings) {
    PassTable loaded;
    ASSERT_EQ(LoadReport(dir.Write("encoded.htm", bytes), loaded), 2);
    EXPECT_EQ(Passes(loaded, 2), Passes(expected, 2));
    for (int s = 0; s < 2; ++s) EXPECT_EQ(loaded[s].Params, expected[s].Params);
  }
}

TEST(LoadReportFixtures, TheSameReportInEveryEncodingGivesTheSamePasses) {
  PassTable ansi;
  ASSERT_EQ(LoadReport(DataPath("report-cp1251.htm"), ansi), 12);
  EXPECT_EQ(ansi[0].Params,
            "TakeProfit=80; StopLoss=40; Lots=0.1; Comment=\xCF\xF0\xEE\xE1\xEE\xE9; \">17");
  EXPECT_EQ(ansi[4].Profit, "87,40");
  EXPECT_EQ(ansi[5].ProfitFactor, "");
  EXPECT_EQ(ansi[6].Profit, "-1210.75") << "the empty line before it is no pass";
  EXPECT_EQ(ansi[11].Index, "12");

  for (const char* name : {"report-utf8-bom.htm", "report-utf16le-bom.htm"}) {
    PassTable other;
    ASSERT_EQ(LoadReport(DataPath(name), other), 12) << name;
    for (int s = 0; s < 12; ++s) {
      EXPECT_EQ(AllFields(other[s]), AllFields(ansi[s])) << name << " slot " << s;
    }
  }
}

TEST_F(LoadReportTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
  const std::string utf8 = "\xEF\xBB\xBF" + AnsiToUtf8(kHeader) + "\r\n" +
                           Row(1, "1.00", "\xE4\xB8\xAD=1; ") + "\r\n" + Row(2, "2\xFF") + "\r\n";
  ASSERT_EQ(Load(utf8), 2);
  EXPECT_EQ(table[0].Params, "?=1; \">1");
  EXPECT_EQ(table[1].Profit, "2?") << "invalid UTF-8 decodes to U+FFFD, which the code page lacks";
}

TEST_F(LoadReportTest, AShorterReportLeavesTheTailOfTheLongerOne) {
  std::vector<std::string> eight = {kHeader}, five = {kHeader};
  for (int p = 1; p <= 8; ++p) eight.push_back(Row(p, std::to_string(p) + ".00"));
  for (int p = 1; p <= 5; ++p) five.push_back(Row(p, std::to_string(p * 10) + ".00"));
  ASSERT_EQ(Load(Join(eight)), 8);
  ASSERT_EQ(Load(Join(five)), 5);
  EXPECT_EQ(Passes(table, 8), (std::vector<std::string>{"1:10.00", "2:20.00", "3:30.00", "4:40.00",
                                                        "5:50.00", "6:6.00", "7:7.00", "8:8.00"}));
}

TEST_F(LoadReportTest, AReportLargerThanTheTableGrowsIt) {
  const int rows = static_cast<int>(PassTable::kCapacity) + 1;
  std::string bytes = kHeader + "\r\n";
  for (int p = 1; p <= rows; ++p) bytes += Row(p, std::to_string(p) + ".00") + "\r\n";
  bytes += "</table>\r\n";
  ASSERT_EQ(Load(bytes), rows);
  ASSERT_GE(table.Size(), static_cast<std::size_t>(rows));
  EXPECT_EQ(table[rows - 1].Index, std::to_string(rows));
  EXPECT_EQ(table[rows - 1].Profit, std::to_string(rows) + ".00");
  EXPECT_EQ(table[0].Index, "1");
}

TEST_F(LoadReportTest, FilesThatCannotBeOpenedLeaveTheTableUntouched) {
  ASSERT_EQ(Load(Join({kHeader, Row(1, "1.00"), "</table>"})), 1);
  const std::string missing = (dir.Path() / "missing.htm").string();
  const std::string cases[][2] = {
      {missing, "Cannot open file \"" + missing + "\". " + SystemText(Failure::kNoSuchFile)},
      {dir.Path().string(),
       "Cannot open file \"" + dir.Path().string() + "\". " + SystemText(Failure::kIsAFolder)},
  };
  for (const auto& [path, message] : cases) {
    try {
      LoadReport(path, table);
      ADD_FAILURE() << "opened " << path;
    } catch (const EFOpenError& e) {
      EXPECT_EQ(e.Message(), message);
    }
    EXPECT_EQ(Passes(table, 1), std::vector<std::string>{"1:1.00"});
  }
}

TEST_F(LoadReportTest, TheMessageNamesTheFullPath) {
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.Path());
  try {
    LoadReport("relative.htm", table);
    ADD_FAILURE() << "opened a missing file";
  } catch (const EFOpenError& e) {
    EXPECT_NE(e.Message().find('"' + (dir.Path() / "relative.htm").string() + '"'),
              std::string::npos)
        << e.Message();
  }
  std::filesystem::current_path(previous);
}

TEST_F(LoadReportTest, BadInputLoadsNothingAndNeverFails) {
  std::string garbage;
  for (int i = 0; i < 1 << 16; ++i) garbage.push_back(static_cast<char>((i * 7919 + 13) % 251));
  const std::string longLine = kHeader + "\r\n" + std::string(20 << 20, 'x');
  const std::string oddUtf16 = std::string("\xFF\xFE", 2) + "a\0\r\0\n\0b";
  const std::string cases[] = {"",       garbage,        std::string(20 << 20, 'x'), longLine,
                               oddUtf16, "\xEF\xBB\xBF", "\xFE\xFF\xD8\x00"};
  for (const std::string& bytes : cases) EXPECT_EQ(Load(bytes), 0) << bytes.substr(0, 20);
}

}  // namespace
