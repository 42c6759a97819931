#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include <cli/setfiles/SetFileTemplate.h>
#include <core/PanelText.h>

#include "RunTool.h"
#include "SystemTexts.h"
#include "TestFiles.h"
#include "ToolMessages.h"

using namespace kvl::core;
using namespace kvl::cli;

namespace {

TEST(MergeSetFileTemplateTest, PutsThePassIntoTheTemplateKeepingItsOtherLines) {
  struct Case {
    const char* name;
    std::string setTemplate;
    std::string params;  // as the report stores them
    std::string merged;
  };
  const Case cases[] = {
      {"ValuesReplacedInPlace", "B=0\r\nA=0\r\n", "A=1; B=2; \">3", "B=2\r\nA=1\r\n"},
      {"RangeLinesKept", "A=0\r\nA,F=1\r\nA,1=0\r\nA,2=1\r\nA,3=9\r\n", "A=5; \">3",
       "A=5\r\nA,F=1\r\nA,1=0\r\nA,2=1\r\nA,3=9\r\n"},
      {"CommentsStringsAndUnknownLinesKept",
       "; comment A=0\r\nText=hello\r\nno equals sign\r\n\r\nA=0\r\n", "A=1; \">3",
       "; comment A=0\r\nText=hello\r\nno equals sign\r\n\r\nA=1\r\n"},
      {"MissingNamesAppendedInThePassOrder", "B=0\r\nB,F=1\r\n", "C=3; B=2; A=1; \">3",
       "B=2\r\nB,F=1\r\nC=3\r\nA=1\r\n"},
      {"NamesCompareInTheirCase", "a=0\r\nA=0\r\n", "A=1; \">3", "a=0\r\nA=1\r\n"},
      {"BlanksAroundNameEqualsSignAndValueKept",
       "LotSize = 0.1\r\n  StopLoss=5\r\nTP\t=\t1  \r\nEmpty = \r\n",
       "LotSize=0.5; StopLoss=7; TP=3; Empty=4; \">3",
       "LotSize = 0.5\r\n  StopLoss=7\r\nTP\t=\t3  \r\nEmpty = 4\r\n"},
      {"PassNamesAndValuesTrimmed", "A=0\r\n", "A = 1; B =2; \">3", "A=1\r\nB =2\r\n"},
      {"EveryLineOfTheTemplateWithTheName", "A=0\r\nA=9\r\n", "A=1; \">3", "A=1\r\nA=1\r\n"},
      {"ValuesMayHoldEqualsSigns", "S=a=b\r\n", "S=x=y; \">3", "S=x=y\r\n"},
      {"AnyLineBreaksBecomeCrLf", "A=0\nB=0\rC=0\r\nD=0", "D=4; \">3",
       "A=0\r\nB=0\r\nC=0\r\nD=4\r\n"},
      {"LoneCrLinesAndEmptyLinesKept", "\r\r\nX=1\n\n", "Y=2; \">3", "\r\n\r\nX=1\r\n\r\nY=2\r\n"},
      {"EmptyTemplateGivesThePlainSetFile", "", "A=1; B=2; \">3", "A=1\r\nB=2\r\n"},
      {"PassWithoutParametersKeepsTheTemplate", "A=0", "\">3", "A=0\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MergeSetFileTemplate(c.setTemplate, PanelParameters(c.params)), c.merged) << c.name;
  }
  EXPECT_EQ(PassSetFileText("A=1; B=2; \">3", std::nullopt),
            SetFileTextForParams("A=1; B=2; \">3"));
}

// The user's set files in tests/data, and what the export makes of them for one pass of
// report-cp1251.htm.
struct TemplateCase {
  const char* setTemplate;
  const char* pass;
  const char* expected;

  friend void PrintTo(const TemplateCase& c, std::ostream* out) { *out << c.setTemplate; }
};

class ExportTemplateTest : public testing::TestWithParam<TemplateCase> {};

TEST_P(ExportTemplateTest, WritesTheTemplateWithThePassesValuesInBothForms) {
  const TemplateCase& c = GetParam();
  const std::string report = DataPath("report-cp1251.htm");
  const std::string setTemplate = DataPath(c.setTemplate);
  const ToolRun one = RunTool({"export", report, c.pass, "-o", "-", "--template", setTemplate});
  EXPECT_EQ(one.status, 0) << one.err;
  EXPECT_EQ(one.out, ReadBytes(DataPath(c.expected)));

  const TempDir dir;
  const ToolRun many =
      RunTool({"export", report, "--top", "1", "--where", std::string("index=") + c.pass, "--dir",
               dir.Path().string(), "--template", setTemplate});
  EXPECT_EQ(many.status, 0) << many.err;
  EXPECT_EQ(ReadBytes((dir.Path() / (std::string(c.pass) + ".set")).string()),
            ReadBytes(DataPath(c.expected)));
}

INSTANTIATE_TEST_SUITE_P(
    UserSetFiles, ExportTemplateTest,
    testing::Values(
        // LF breaks, no final break, ranges, a name in another case and an unknown line.
        TemplateCase{"template-lf.set", "1", "template-lf-pass-1.set"},
        // Windows-1251 comments and mixed breaks; the pass carries no Comment.
        TemplateCase{"template-cp1251.set", "8", "template-cp1251-pass-8.set"}));

// A template that cannot be read, or that is no set file, stops both forms in one line before
// anything is written.
TEST(ExportTemplateTest, UnusableTemplateStopsTheExportBeforeAnythingIsWritten) {
  const TempDir dir;
  const std::string report = DataPath("report-cp1251.htm");
  const std::string missing = (dir.Path() / "missing.set").string();
  const std::string withNul = dir.Write("zero-byte.set", std::string("A=1\r\n\0B=2\r\n", 11));
  const std::string commentsOnly = dir.Write("comments.set", "; A=1\r\n<b>=2\r\n1A=3\r\n");
  const std::string empty = dir.Write("empty.set", "");
  const std::vector<std::pair<std::string, std::string>> cases = {
      {missing,
       "Cannot open file \"" + missing + "\". " + SystemText(Failure::kNoSuchFile) + ".\n"},
      {report, "The template " + report + " has no name=value line: it is not a set file.\n"},
      {withNul, "The template " + withNul + " holds a NUL byte: it is not a set file.\n"},
      {commentsOnly,
       "The template " + commentsOnly + " has no name=value line: it is not a set file.\n"},
      {empty, "The template " + empty + " has no name=value line: it is not a set file.\n"},
  };
  const std::string setPath = (dir.Path() / "pass.set").string();
  const std::string folder = (dir.Path() / "out").string();
  for (const auto& [setTemplate, message] : cases) {
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"export", report, "1", "-o", setPath, "--template", setTemplate},
             {"export", report, "--top", "3", "--dir", folder, "--template", setTemplate}}) {
      const ToolRun run = RunTool(args);
      EXPECT_EQ(run.status, 1);
      EXPECT_EQ(run.out, "");
      EXPECT_EQ(run.err, ToolMessages(message));
    }
  }
  EXPECT_FALSE(std::filesystem::exists(setPath));
  EXPECT_FALSE(std::filesystem::exists(folder));
}

}  // namespace
