#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "RunTool.h"
#include "TestFiles.h"
#include "ToolMessages.h"

namespace {

namespace fs = std::filesystem;

// A pipe or a device has no end to read up to: named as the report or as the template, it is
// refused in one line before anything is written.
TEST(NotARegularFileTest, APipeOrADeviceIsRefusedAsTheReportOrTheTemplate) {
  const TempDir dir;
  const std::string pipe = (dir.Path() / "pipe").string();
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::string report = DataPath("report-cp1251.htm");
  const std::string setPath = (dir.Path() / "pass.set").string();
  const std::string folder = (dir.Path() / "sets").string();
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {pipe, {"list", pipe}},
      {"/dev/null", {"export", "/dev/null", "1", "-o", setPath}},
      {pipe, {"export", report, "1", "-o", setPath, "--template", pipe}},
      {"/dev/null", {"export", report, "--top", "2", "--dir", folder, "--template", "/dev/null"}},
  };
  for (const auto& [file, args] : cases) {
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.status, 1) << args[0] << ' ' << file;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              ToolMessages("Cannot open file \"" + file + "\". It is not a regular file.\n"));
  }
  EXPECT_FALSE(fs::exists(setPath));
  EXPECT_FALSE(fs::exists(folder));
}

}  // namespace
