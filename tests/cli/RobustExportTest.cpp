#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "ListingText.h"
#include "RunTool.h"
#include "TestFiles.h"

namespace fs = std::filesystem;

namespace {

// The robust recipe exports the passes that list ranks first, without a loop over its output.
TEST(RobustExportTest, WritesTheSetFilesOfThePassesListListsFirst) {
  const std::string report = DataPath("map-report.htm");
  const std::vector<std::string> choice = {"--robust",        "profit",  "--order",
                                           "profit-min:desc", "--where", "profit-neighbours>=2"};
  std::vector<std::string> listArgs = {"list", report, "--format", "tsv", "--limit", "3"};
  listArgs.insert(listArgs.end(), choice.begin(), choice.end());
  const ToolRun listed = RunTool(listArgs);
  ASSERT_EQ(listed.status, 0) << listed.err;
  const std::vector<std::string> indexes = ListedIndexes(listed.out);
  ASSERT_EQ(indexes, (std::vector<std::string>{"3", "5", "1"}));

  const TempDir dir;
  const fs::path folder = dir.Path() / "sets";
  std::vector<std::string> exportArgs = {"export", report, "--top", "3", "--dir", folder.string()};
  exportArgs.insert(exportArgs.end(), choice.begin(), choice.end());
  const ToolRun exported = RunTool(exportArgs);
  EXPECT_EQ(exported.status, 0) << exported.err;
  EXPECT_EQ(exported.err, "");
  std::string names;
  for (const std::string& index : indexes) names += (folder / (index + ".set")).string() + "\n";
  EXPECT_EQ(exported.out, names);
  for (const std::string& index : indexes) {
    EXPECT_EQ(ReadBytes((folder / (index + ".set")).string()),
              RunTool({"export", report, index, "-o", "-"}).out)
        << index;
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 3);
}

}  // namespace
