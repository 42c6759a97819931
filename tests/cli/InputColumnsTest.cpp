#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ListingText.h"
#include "ReportText.h"
#include "RunTool.h"
#include "TestFiles.h"
#include "ToolMessages.h"

namespace {

constexpr const char* kResultNames =
    "index\tprofit\ttrades\tprofit-factor\texpected-payoff\tdrawdown\tdrawdown-percent";

// Pass 1 lacks C, pass 3 lacks A and B; pass 2 names A twice and has a C that is no number, and
// pass 3 a line that is no name=value pair.
class InputColumnsTest : public testing::Test {
 protected:
  ToolRun List(const std::vector<std::string>& options) const {
    return ListAsTsv(report_, options);
  }

  TempDir dir_;
  std::string report_ = dir_.Write(
      "inputs.htm", ReportText({
                        {"1", "A=1;  B = 2 ; ", "10.00", "1", "1.00", "1.00", "1.00", "1.00"},
                        {"2", "B=3; C=x; A=4; A=9; ", "20.00", "1", "1.00", "1.00", "1.00", "1.00"},
                        {"3", "Flag; C=5; ", "30.00", "1", "1.00", "1.00", "1.00", "1.00"},
                    }));
};

TEST_F(InputColumnsTest, AddsAColumnPerInputInTheOrderTheyFirstAppear) {
  const ToolRun run = List({"--inputs"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, std::string(kResultNames) + "\tparam:A\tparam:B\tparam:C\n" +
                         "1\t10.00\t1\t1.00\t1.00\t1.00\t1.00\t1\t2\t\n" +
                         "2\t20.00\t1\t1.00\t1.00\t1.00\t1.00\t4\t3\tx\n" +
                         "3\t30.00\t1\t1.00\t1.00\t1.00\t1.00\t\t\t5\n");
}

// The table is for reading, so it heads an input's column with the name alone.
TEST_F(InputColumnsTest, TheTableHeadsTheColumnsWithTheNames) {
  const ToolRun run = RunTool({"list", report_, "--inputs"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(Lines(run.out).front().ends_with("Drawdown %  A  B  C")) << run.out;
}

TEST_F(InputColumnsTest, SortsByAnInputWithALackingValueLastEitherWay) {
  const std::vector<std::pair<std::vector<std::string>, std::vector<std::string>>> cases = {
      {{"--order", "param:A"}, {"1", "2", "3"}},
      {{"--order", "param:A:desc"}, {"2", "1", "3"}},
      {{"--sort", "param:B:asc"}, {"1", "2", "3"}},
      {{"--sort", "param:B:desc"}, {"2", "1", "3"}},
      {{"--order", "param:C", "--skip-bad"}, {"3", "1"}},
  };
  for (const auto& [options, indexes] : cases) {
    EXPECT_EQ(ListedIndexes(List(options).out), indexes) << options[1];
  }
}

TEST_F(InputColumnsTest, AValueThatIsNoNumberFailsASortNamingItsRow) {
  for (const std::vector<std::string>& options :
       {std::vector<std::string>{"--order", "param:C"}, {"--sort", "param:C:asc"}}) {
    const ToolRun run = List(options);
    EXPECT_EQ(run.status, 1) << options[0];
    EXPECT_EQ(run.out, "") << options[0];
    EXPECT_EQ(run.err,
              ToolMessages("Row 2 (pass 2), param:C: 'x' is not a valid floating point value.\n"))
        << options[0];
  }
}

// An input's name may hold any character: every format writes it as its names are written.
TEST(InputNamesTest, EachFormatWritesTheNamesAsItsOwn) {
  const TempDir dir;
  const std::string report =
      dir.Write("names.htm", ReportText({{"1", "\xD3\xF0\xEE\xE2\xE5\xED\xFC=1; a,b=2; t\\u=3; ",
                                          "10.00", "1", "1.00", "1.00", "1.00", "1.00"}}));
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"tsv", "\tparam:Уровень\tparam:a,b\tparam:t\\\\u\n"},
      {"csv", ",param:Уровень,\"param:a,b\",param:t\\u\r\n"},
      {"json", "\"param:Уровень\":1,\"param:a,b\":2,\"param:t\\\\u\":3}"},
  };
  for (const auto& [format, names] : cases) {
    const ToolRun run = RunTool({"list", report, "--inputs", "--format", format});
    EXPECT_EQ(run.status, 0) << format << ": " << run.err;
    EXPECT_NE(run.out.find(names), std::string::npos) << format << ": " << run.out;
  }
}

}  // namespace
