#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "RunTool.h"
#include "TestFiles.h"
#include "ToolMessages.h"

using namespace kvl::core;

namespace {

namespace fs = std::filesystem;

constexpr const char* kOld = "mine\r\n";

// Works in a fresh folder of its own, so that names relative to it reach the tool as the user
// types them. The folder is made in the current one, not in the system's temporary folder: a
// path from the root without a drive ("/tmp/my.set") is a Unix path under Wine and a path on the
// current drive on Windows, and names the same file in both only from where the tool starts.
class ReplacingFilesTest : public testing::Test {
 protected:
  void SetUp() override { fs::current_path(dir_.Path()); }
  void TearDown() override { fs::current_path(before_); }

  // The file `name` in the folder, as a message names it.
  std::string Full(const std::string& name) const {
    return Utf8FromPath((dir_.Path() / name).make_preferred());
  }
  std::string Existing(const std::string& name) const {
    fs::create_directories((dir_.Path() / name).parent_path());
    return dir_.Write(name, kOld);
  }

  const std::string report_ = DataPath("report-cp1251.htm");
  const fs::path before_ = fs::current_path();
  const TempDir dir_{before_};
};

// A bare name, a relative path and paths written with "/", with a drive as the window gives them
// and from the root as a user types them, reach the system whole: on Windows a file is replaced
// through its full native path, whatever the user typed.
TEST_F(ReplacingFilesTest, TheSingleExportReplacesAFileOnlyWithForce) {
  const std::string folder = dir_.Path().generic_string();
  const std::string fromRoot = "/" + dir_.Path().relative_path().generic_string();
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"my.set", "my.set"},
      {"sub/my.set", "sub/my.set"},
      {folder + "/abs.set", "abs.set"},
      {fromRoot + "/root.set", "root.set"},
  };
  for (const auto& [typed, name] : cases) {
    const std::string file = Existing(name);
    const ToolRun refused = RunTool({"export", report_, "4", "-o", typed});
    EXPECT_EQ(refused.status, 1) << typed;
    EXPECT_EQ(refused.err,
              ToolMessages("The file \"" + Full(name) + "\" exists; --force replaces it.\n"));
    EXPECT_EQ(ReadBytes(file), kOld);

    for (int time = 0; time < 2; ++time) {
      const ToolRun forced = RunTool({"export", report_, "4", "-o", typed, "--force"});
      EXPECT_EQ(forced.status, 0) << typed << ": " << forced.err;
      EXPECT_EQ(ReadBytes(file), ReadBytes(DataPath("report-pass-4.set"))) << typed;
    }
  }
}

// The folder as a shell completes it, with a "/" at its end, which the file names then follow.
TEST_F(ReplacingFilesTest, TheBatchReplacesFilesInARelativeFolderOnlyWithForce) {
  const std::string file = Existing("out/sets/7.set");
  const std::vector<std::string> args = {"export", report_,         "--top", "1",
                                         "--sort", "drawdown:desc", "--dir", "out/sets/"};
  const ToolRun refused = RunTool(args);
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, ToolMessages("The file \"" + Full("out/sets/7.set") +
                                      "\" exists; --force replaces it.\n"));
  EXPECT_EQ(ReadBytes(file), kOld);

  std::vector<std::string> forced = args;
  forced.push_back("--force");
  const ToolRun run = RunTool(forced);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadBytes(file), ReadBytes(DataPath("report-pass-7.set")));
}

// Read whole before anything is written, the template can take the pass's values in its own
// place, but only when asked to.
TEST_F(ReplacingFilesTest, TheTemplateItselfIsReplacedOnlyWithForce) {
  const std::string setTemplate = dir_.Write("7.set", "Lots=5\r\nTakeProfit = 1\r\n");
  const std::vector<std::vector<std::string>> calls = {
      {"export", report_, "7", "-o", "./7.set", "--template", setTemplate},
      {"export", report_, "--top", "1", "--where", "index=7", "--dir", ".", "--template",
       setTemplate},
  };
  for (const auto& args : calls) {
    const ToolRun refused = RunTool(args);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, ToolMessages("The file \"" + Full("7.set") +
                                        "\" is the template itself; --force replaces it.\n"));
    EXPECT_EQ(ReadBytes(setTemplate), "Lots=5\r\nTakeProfit = 1\r\n");
  }
  std::vector<std::string> forced = calls[0];
  forced.push_back("--force");
  const ToolRun run = RunTool(forced);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadBytes(setTemplate),
            "Lots=0.2\r\nTakeProfit = 40\r\nStopLoss=60\r\nComment=\xCE\xF2\xEA\xE0\xF2\r\n");
}

TEST_F(ReplacingFilesTest, StandardOutputAndDevicesAreWrittenWithoutForce) {
  Existing("-");
  const ToolRun toStdout = RunTool({"export", report_, "4", "-o", "-"});
  EXPECT_EQ(toStdout.status, 0) << toStdout.err;
  EXPECT_EQ(toStdout.out, ReadBytes(DataPath("report-pass-4.set")));
  EXPECT_EQ(ReadBytes(Full("-")), kOld);

#ifdef _WIN32
  const char* nullDevice = "NUL";
#else
  const char* nullDevice = "/dev/null";
#endif
  const ToolRun toDevice = RunTool({"export", report_, "4", "-o", nullDevice});
  EXPECT_EQ(toDevice.status, 0) << toDevice.err;
  EXPECT_EQ(toDevice.err, "");
}

}  // namespace
