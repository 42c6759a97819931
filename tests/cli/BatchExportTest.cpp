#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <cli/UsageError.h>
#include <cli/setfiles/FileNameTemplate.h>
#include <core/PassTable.h>

#include "RunTool.h"
#include "TestFiles.h"
#include "ToolMessages.h"

using namespace kvl::core;
using namespace kvl::cli;

namespace fs = std::filesystem;

namespace {

TEST(FileNameTemplateTest, FillsInTheRowsCellsAndReplacesUnsafeCharacters) {
  PassTable table;
  PassRecord& row = table[0];
  row.Index = "5";
  row.Profit = "87,40";
  row.Trades = "21";
  row.ProfitFactor = "1.12";
  row.ExpectedPayoff = "a/b\\c";
  row.DrawdownMoney = "<1>:\"|?*\t";
  row.DrawdownPercent = "\xCF\xF0\xEE";  // "Про" in Windows-1251
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"{index}.set", "5.set"},
      {"{index}_pf{profit-factor}_dd{drawdown-percent}.set", "5_pf1.12_ddПро.set"},
      {"{profit}{trades}", "87,4021"},
      {"{expected-payoff}", "a_b_c"},
      {"{drawdown}", "_1_______"},
      {"out/{index}?.set", "out_5_.set"},
      {"}{index}}", "}5}"},
      {"plain", "plain"},
  };
  for (const auto& [text, name] : cases) EXPECT_EQ(FileNameTemplate(text).NameFor(table, 0), name);
}

TEST(FileNameTemplateTest, RefusesAnUnclosedBraceAndNamesThatAreNoColumn) {
  for (const char* text : {"{index", "{index}_{profit", "{}", "{params}.set", "{Index}.set",
                           "{index }.set", "{{index}}"}) {
    EXPECT_THROW(FileNameTemplate{text}, UsageError) << text;
  }
}

// report-cp1251.htm sorted by drawdown, largest first, lists passes 7, 3, 10, 2, 11, 1, 12, ...;
// tests/data holds the set files of passes 1, 7 and 12.
class BatchExportTest : public testing::Test {
 protected:
  ToolRun Export(std::vector<std::string> options) const {
    std::vector<std::string> args = {"export", DataPath("report-cp1251.htm"), "--dir", folder_};
    args.insert(args.end(), options.begin(), options.end());
    return RunTool(args);
  }
  std::string File(const std::string& name) const { return (fs::path(folder_) / name).string(); }
  static void WriteFile(const std::string& path, const std::string& bytes) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }
  std::vector<std::string> FolderContents() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) {
      names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    return names;
  }

  TempDir dir_;
  std::string folder_ = (dir_.Path() / "new" / "sets").string();
};

TEST_F(BatchExportTest, WritesTheFirstPassesOfTheSortedFilteredOrderIntoANewFolder) {
  const ToolRun run = Export({"--top", "3", "--sort", "drawdown:desc", "--where", "trades>=60"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, File("7.set") + "\n" + File("12.set") + "\n");
  EXPECT_EQ(FolderContents(), (std::vector<std::string>{"12.set", "7.set"}));
  EXPECT_EQ(ReadBytes(File("7.set")), ReadBytes(DataPath("report-pass-7.set")));
  EXPECT_EQ(ReadBytes(File("12.set")), ReadBytes(DataPath("report-pass-12.set")));
}

TEST_F(BatchExportTest, NamesTheFilesFromTheTemplate) {
  const ToolRun run = Export({"--top", "3", "--sort", "drawdown:desc", "--name",
                              "{index}_pf{profit-factor}_dd{drawdown-percent}.set"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(FolderContents(),
            (std::vector<std::string>{"10_pf2.36_dd4.70.set", "3_pf0.78_dd7.92.set",
                                      "7_pf0.61_dd15.37.set"}));
  EXPECT_EQ(ReadBytes(File("7_pf0.61_dd15.37.set")), ReadBytes(DataPath("report-pass-7.set")));
}

TEST_F(BatchExportTest, ReplacesNoFileWithoutForceCheckingEveryNameFirst) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"10.set"}, "The file \"" + File("10.set") + "\" exists; --force replaces it.\n"},
      {{"2.set", "10.set"},
       "The file \"" + File("10.set") + "\" and 1 more exist; --force replaces them.\n"},
  };
  for (const auto& [existing, message] : cases) {
    fs::remove_all(folder_);
    for (const std::string& name : existing) WriteFile(File(name), "mine");
    const ToolRun run = Export({"--top", "4", "--sort", "drawdown:desc"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, ToolMessages(message));
    std::vector<std::string> sorted = existing;
    std::ranges::sort(sorted);
    EXPECT_EQ(FolderContents(), sorted);
    for (const std::string& name : existing) EXPECT_EQ(ReadBytes(File(name)), "mine");
  }
}

TEST_F(BatchExportTest, NamesThatWindowsReservesAreChangedOnEverySystem) {
  const ToolRun run = Export({"--top", "2", "--sort", "drawdown:desc", "--name", "Com1.{index}. "});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, File("Com1_.7") + "\n" + File("Com1_.3") + "\n");
  EXPECT_EQ(FolderContents(), (std::vector<std::string>{"Com1_.3", "Com1_.7"}));
}

TEST_F(BatchExportTest, ANameTooLongIsRefusedBeforeAnythingIsWritten) {
  // Passes 7 and 3 get names of 255 bytes, pass 10 one of 256.
  const std::string name = std::string(254, 'x') + "{index}";
  const ToolRun run = Export({"--top", "3", "--sort", "drawdown:desc", "--name", name});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, ToolMessages("The name template gives pass 10 the file name \"" +
                                  std::string(254, 'x') +
                                  "10\", longer than the 255 bytes a file name may hold.\n"));
  EXPECT_FALSE(fs::exists(folder_));
}

TEST_F(BatchExportTest, ForceReplacesExistingFiles) {
  WriteFile(File("7.set"), std::string(4096, 'x'));
  const ToolRun run = Export({"--top", "1", "--sort", "drawdown:desc", "--force"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadBytes(File("7.set")), ReadBytes(DataPath("report-pass-7.set")));
}

TEST_F(BatchExportTest, RefusesTwoPassesOfOneNameEvenWithForce) {
  // In file order passes 1 and 3 both made 38 trades.
  const ToolRun run = Export({"--top", "3", "--name", "{trades}.set", "--force"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, ToolMessages("The name template gives pass 1 and pass 3 the same file \"" +
                                  File("38.set") + "\"; put {index} into it.\n"));
  EXPECT_FALSE(fs::exists(folder_));
}

TEST_F(BatchExportTest, AnUnknownParameterStopsTheExportBeforeTheFolderIsMade) {
  const ToolRun run = Export({"--top", "3", "--where", "param:Lot=0.1", "--skip-bad"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_TRUE(run.err.starts_with(ToolMessages("--where param:Lot: no such parameter; ")))
      << run.err;
  EXPECT_FALSE(fs::exists(folder_));
}

TEST_F(BatchExportTest, AFailureHalfwayNamesTheFileAndLeavesTheFilesBeforeItWhole) {
  fs::create_directories(File("3.set"));  // the second file's name, taken by a folder
  const ToolRun run = Export({"--top", "3", "--sort", "drawdown:desc", "--force"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, File("7.set") + "\n");
  EXPECT_TRUE(run.err.starts_with(ToolMessages("Cannot create file \"" + File("3.set") + "\". ")))
      << run.err;
  EXPECT_EQ(ReadBytes(File("7.set")), ReadBytes(DataPath("report-pass-7.set")));
  EXPECT_EQ(FolderContents(), (std::vector<std::string>{"3.set", "7.set"}));
}

}  // namespace
