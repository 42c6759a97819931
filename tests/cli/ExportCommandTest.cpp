#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

#include "RunTool.h"
#include "SystemTexts.h"
#include "TestFiles.h"
#include "ToolMessages.h"

namespace {

struct ExportCase {
  const char* report;
  const char* pass;
  const char* setFile;  // the expected bytes, in tests/data

  friend void PrintTo(const ExportCase& c, std::ostream* out) {
    *out << c.report << " pass " << c.pass;
  }
};

class ExportCommandTest : public testing::TestWithParam<ExportCase> {};

TEST_P(ExportCommandTest, WritesTheParameterLinesWithCrLfToTheFileAndToStandardOutput) {
  const ExportCase& c = GetParam();
  const TempDir dir;
  const std::string setPath = (dir.Path() / "pass.set").string();
  const ToolRun toFile = RunTool({"export", DataPath(c.report), c.pass, "-o", setPath});
  EXPECT_EQ(toFile.status, 0);
  EXPECT_EQ(toFile.out, "");
  EXPECT_EQ(toFile.err, "");
  EXPECT_EQ(ReadBytes(setPath), ReadBytes(DataPath(c.setFile)));

  const ToolRun toStdout = RunTool({"export", "-o", "-", DataPath(c.report), c.pass});
  EXPECT_EQ(toStdout.status, 0);
  EXPECT_EQ(toStdout.out, ReadBytes(DataPath(c.setFile)));
}

INSTANTIATE_TEST_SUITE_P(
    Passes, ExportCommandTest,
    testing::Values(ExportCase{"report-cp1251.htm", "1", "report-pass-1.set"},
                    ExportCase{"report-cp1251.htm", "8", "report-pass-8.set"},
                    ExportCase{"report-utf8-bom.htm", "7", "report-pass-7.set"},
                    ExportCase{"report-utf16le-bom.htm", "012", "report-pass-12.set"},
                    ExportCase{"report-english.htm", "4", "report-pass-4.set"}));

// A failure prints the window's message, with its final ".", as one line and writes no file.
struct FailureCase {
  const char* name;
  std::string pass;
  std::string message;

  friend void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }
};

class ExportCommandFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(ExportCommandFailureTest, PrintsOneLineAndExitsWithOne) {
  const FailureCase& c = GetParam();
  const TempDir dir;
  const std::string setPath = (dir.Path() / "pass.set").string();
  const ToolRun run =
      RunTool({"export", DataPath("report-cp1251.htm"), "-o", setPath, "--", c.pass});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, ToolMessages(c.message + "\n"));
  EXPECT_FALSE(std::filesystem::exists(setPath));
}

FailureCase NotAPass(const char* name, const std::string& pass) {
  return {name, pass, "Pass \"" + pass + "\" does not exist: the report holds passes 1 to 12."};
}

INSTANTIATE_TEST_SUITE_P(PassNumbers, ExportCommandFailureTest,
                         testing::Values(NotAPass("Zero", "0"), NotAPass("PastTheLast", "13"),
                                         NotAPass("Negative", "-1"), NotAPass("Signed", "+1"),
                                         NotAPass("Blank", " 1"), NotAPass("Fraction", "1.0"),
                                         NotAPass("Hexadecimal", "0x1"), NotAPass("Word", "first"),
                                         NotAPass("Empty", ""),
                                         NotAPass("Huge", "99999999999999999999999")),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(ExportCommandFailureTest, UncreatableFileIsReportedWithItsFullPath) {
  const TempDir dir;
  const std::string setPath = (dir.Path() / "missing" / "pass.set").string();
  const ToolRun run = RunTool({"export", DataPath("report-cp1251.htm"), "1", "-o", setPath});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, ToolMessages("Cannot create file \"" + setPath + "\". " +
                                  SystemText(Failure::kNoSuchFolder) + ".\n"));
}

}  // namespace
