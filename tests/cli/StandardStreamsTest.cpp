#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include <core/CodePage.h>

#include "RunTool.h"
#include "TestFiles.h"

namespace {

// A command that reads a report, "REPORT" standing for it among its arguments, and the report.
struct PipedCase {
  const char* name;
  std::vector<std::string> args;
  std::string report;

  friend void PrintTo(const PipedCase& c, std::ostream* out) { *out << c.name; }
};

// Built when the tests are registered; each report differs in what its load must get right.
std::vector<PipedCase> PipedCases() {
  const std::string map = ReadBytes(DataPath("map-report.htm"));
  const std::string cp1251 = ReadBytes(DataPath("report-cp1251.htm"));
  const std::vector<std::string> tsv = {"list", "REPORT", "--format", "tsv", "--params"};
  return {
      {"list_ansi", tsv, cp1251},
      {"list_utf8_mark", tsv, ReadBytes(DataPath("report-utf8-bom.htm"))},
      {"list_utf16le_mark", tsv, ReadBytes(DataPath("report-utf16le-bom.htm"))},
      {"list_english", tsv, ReadBytes(DataPath("report-english.htm"))},
      {"list_robust", {"list", "REPORT", "--robust", "profit", "--sort", "profit-min:desc"}, map},
      {"export", {"export", "REPORT", "8", "-o", "-"}, cp1251},
      {"check", {"check", "REPORT"}, ReadBytes(DataPath("report-faults.htm"))},
      // Its text is read twice: once for what an editor did to it, once for the passes.
      {"check_utf8_without_mark", {"check", "REPORT"}, kvl::core::AnsiToUtf8(cp1251)},
      {"params", {"params", "REPORT"}, map},
      {"map", {"map", "REPORT", "--x", "Period", "--y", "UseTrailing", "--format", "tsv"}, map},
  };
}

std::vector<std::string> WithReport(std::vector<std::string> args, const std::string& report) {
  for (std::string& arg : args) {
    if (arg == "REPORT") arg = report;
  }
  return args;
}

class StandardInputTest : public testing::TestWithParam<PipedCase> {};

TEST_P(StandardInputTest, ReadsTheReportAsAFileOfTheSameBytes) {
  const PipedCase& c = GetParam();
  const TempDir dir;
  const ToolRun fromFile = RunTool(WithReport(c.args, dir.Write("report.htm", c.report)));
  ASSERT_EQ(fromFile.err, "");
  ASSERT_NE(fromFile.out, "");
  const ToolRun piped = RunToolWithInput(c.report, WithReport(c.args, "-"));
  EXPECT_EQ(piped.status, fromFile.status);
  EXPECT_EQ(piped.err, "");
  EXPECT_EQ(piped.out, fromFile.out);
}

INSTANTIATE_TEST_SUITE_P(ReadingCommands, StandardInputTest, testing::ValuesIn(PipedCases()),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(StandardInputTest, AFailedReadIsOneLineAndExitsWithOne) {
  const TempDir dir;
  for (const char* command : {"list", "check"}) {
    const ToolRun run = RunToolWithInputFrom(dir.Path().string(), {command, "-"});
    EXPECT_EQ(run.status, 1) << command;
    EXPECT_EQ(run.out, "") << command;
    EXPECT_TRUE(run.err.starts_with("kvl-ridavu-cli: Cannot read standard input. ")) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  }
}

// /dev/stdout is no file a set file could be written beside: through a pipe it names nothing
// that can be opened by path, and Windows has no such path at all.
TEST(StandardOutputTest, DevStdoutIsStandardOutput) {
  const ToolRun run =
      RunToolIntoPipe({"export", DataPath("report-cp1251.htm"), "8", "-o", "/dev/stdout"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, ReadBytes(DataPath("report-pass-8.set")));
}

}  // namespace
