#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include <cli/formats/ListFormats.h>

#include "RunTool.h"
#include "TestFiles.h"

using namespace kvl::core;
using namespace kvl::cli;

namespace {

// awkward-report.htm holds cells with commas, quotes, tabs, backslashes, a control character and
// Cyrillic text, and numbers that JSON writes differently or not at all (01, +1, 1., .5, 1e).
struct FormatCase {
  const char* format;
  const char* expected;  // in tests/data

  friend void PrintTo(const FormatCase& c, std::ostream* out) { *out << c.format; }
};

class ListFormatTest : public testing::TestWithParam<FormatCase> {};

TEST_P(ListFormatTest, WritesTheAwkwardReportByteForByte) {
  const ToolRun run =
      RunTool({"list", DataPath("awkward-report.htm"), "--params", "--format", GetParam().format});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, ReadBytes(DataPath(GetParam().expected)));
}

INSTANTIATE_TEST_SUITE_P(EachFormat, ListFormatTest,
                         testing::Values(FormatCase{"tsv", "awkward-report-list-params.tsv"},
                                         FormatCase{"csv", "awkward-report-list-params.csv"},
                                         FormatCase{"json", "awkward-report-list-params.json"}));

TEST(ListFormatTest, NoRowsLeaveTheHeaderAlone) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"tsv",
       "index\tprofit\ttrades\tprofit-factor\texpected-payoff\tdrawdown\tdrawdown-percent\n"},
      {"csv", "index,profit,trades,profit-factor,expected-payoff,drawdown,drawdown-percent\r\n"},
      {"json", "[]\n"},
  };
  for (const auto& [format, expected] : cases) {
    const ToolRun run =
        RunTool({"list", DataPath("report-cp1251.htm"), "--format", format, "--limit", "0"});
    EXPECT_EQ(run.status, 0) << format;
    EXPECT_EQ(run.out, expected) << format;
  }
}

TEST(IsJsonNumberTest, AcceptsExactlyJsonsNumberGrammar) {
  for (const char* number : {"0", "-0", "7", "1245.60", "-3.25", "0.00", "1e5", "1E+2", "2.5e-3",
                             "-0.5e10", "12345678901234567890"}) {
    EXPECT_TRUE(IsJsonNumber(number)) << number;
  }
  for (const char* text :
       {"",   "-",  "01",  "-01",  "+1",  "1.",  ".5",       "1e",    "1e+", "1.e3",
        " 1", "1 ", "1,5", "0x10", "$10", "NaN", "Infinity", "1.5.5", "--1", "e5"}) {
    EXPECT_FALSE(IsJsonNumber(text)) << text;
  }
}

}  // namespace
