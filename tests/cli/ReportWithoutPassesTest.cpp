#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "ReportGenerator.h"
#include "RunTool.h"
#include "TestFiles.h"
#include "ToolMessages.h"

namespace fs = std::filesystem;

namespace {

// A command that reads a report, its arguments after the report's path. kOut stands for a path
// in the test's folder that the command is told to write to.
constexpr const char* kOut = "OUT";

struct ReadingCommand {
  const char* name;
  std::vector<std::string> args;

  friend void PrintTo(const ReadingCommand& c, std::ostream* out) { *out << c.name; }
};

const ReadingCommand kCommands[] = {
    {"list", {"list"}},
    {"list_robust", {"list", "--robust", "profit"}},
    {"export_to_file", {"export", "1", "-o", kOut}},
    {"export_to_stdout", {"export", "1", "-o", "-"}},
    {"export_top", {"export", "--top", "3", "--dir", kOut}},
    {"params", {"params"}},
    {"map", {"map", "--x", "Period"}},
};

std::string RandomBytes() {
  std::mt19937 random(7);
  std::string bytes(4096, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random());
  return bytes;
}

struct ReadFile {
  const char* name;
  std::string bytes;
  bool hasHeader;

  friend void PrintTo(const ReadFile& f, std::ostream* out) { *out << f.name; }
};

// Built when the tests are registered, after every static of the report generator.
std::vector<ReadFile> Files() {
  return {
      {"empty", "", false},
      {"random_bytes", RandomBytes(), false},
      {"html_page",
       "<html>\r\n<head><title>Prices</title></head>\r\n<body>\r\n<table>\r\n"
       "<tr align=right><td>Open</td><td>Close</td></tr>\r\n"
       "<tr align=right><td>1.0841</td><td>1.0853</td></tr>\r\n</table>\r\n</body>\r\n</html>\r\n",
       false},
      {"header_without_rows", GenerateReport(0), true},
  };
}

// The report named by its path, or piped in as "-".
class ReportWithoutPassesTest
    : public testing::TestWithParam<std::tuple<ReadingCommand, ReadFile, bool>> {};

TEST_P(ReportWithoutPassesTest, FailsWithOneLineNamingTheFileAndWritesNothing) {
  const auto& [command, file, piped] = GetParam();
  const TempDir dir;
  const std::string report = dir.Write("report.htm", file.bytes);
  std::vector<std::string> args = command.args;
  args.insert(args.begin() + 1, piped ? "-" : report);
  for (std::string& arg : args) {
    if (arg == kOut) arg = (dir.Path() / "out").string();
  }
  const ToolRun run = piped ? RunToolWithInput(file.bytes, args) : RunTool(args);
  const std::string name = piped ? "standard input" : report;
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(
      run.err,
      ToolMessages(file.hasHeader ? "No passes in " + name + ": its results table has no rows.\n"
                                  : "No results table found in " + name +
                                        ": it is not an MT4 optimization report.\n"));
  std::vector<fs::path> written;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir.Path())) {
    if (entry.path().filename() != "report.htm") written.push_back(entry.path().filename());
  }
  EXPECT_EQ(written, std::vector<fs::path>());
}

INSTANTIATE_TEST_SUITE_P(CommandsAndFiles, ReportWithoutPassesTest,
                         testing::Combine(testing::ValuesIn(kCommands), testing::ValuesIn(Files()),
                                          testing::Bool()),
                         [](const auto& testCase) {
                           return std::string(std::get<0>(testCase.param).name) + "_" +
                                  std::get<1>(testCase.param).name +
                                  (std::get<2>(testCase.param) ? "_piped" : "");
                         });

}  // namespace
