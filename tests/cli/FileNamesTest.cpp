#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "RunTool.h"
#include "SystemTexts.h"
#include "TestFiles.h"
#include "ToolMessages.h"

using namespace kvl::core;

namespace {

// Names outside ASCII reach the system whole: UTF-8 arguments on Linux, UTF-16 ones on Windows.
class CyrillicNamesTest : public testing::Test {
 protected:
  const TempDir dir;
  const std::string report =
      dir.Write("Отчёт оптимизации.htm", ReadBytes(DataPath("report-cp1251.htm")));
};

TEST_F(CyrillicNamesTest, ListReadsTheReport) {
  const ToolRun run = RunTool({"list", report, "--format", "tsv"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, ReadBytes(DataPath("report-list.tsv")));
}

TEST_F(CyrillicNamesTest, ExportWritesTheSetFileUnderItsName) {
  const std::string setPath = Utf8FromPath(dir.Path() / PathFromUtf8("Проход 1.set"));
  const ToolRun run = RunTool({"export", report, "1", "-o", setPath});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(ReadBytes(setPath), ReadBytes(DataPath("report-pass-1.set")));
}

TEST_F(CyrillicNamesTest, ABatchExportWritesIntoItsFolderAndNamesTheFiles) {
  const std::filesystem::path folder = dir.Path() / PathFromUtf8("Лучшие");
  const ToolRun run = RunTool({"export", report, "--top", "1", "--dir", Utf8FromPath(folder)});
  EXPECT_EQ(run.status, 0) << run.err;
  const std::string setPath = Utf8FromPath(folder / "1.set");
  EXPECT_EQ(run.out, setPath + "\n");
  EXPECT_EQ(ReadBytes(setPath), ReadBytes(DataPath("report-pass-1.set")));
}

TEST_F(CyrillicNamesTest, AFailureNamesTheFileInUtf8) {
  const std::string missing = Utf8FromPath(dir.Path() / PathFromUtf8("Нет такого.htm"));
  const ToolRun run = RunTool({"list", missing});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, ToolMessages("Cannot open file \"" + missing + "\". " +
                                  SystemText(Failure::kNoSuchFile) + ".\n"));
}

}  // namespace
