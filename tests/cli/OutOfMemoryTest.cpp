#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "RunTool.h"
#include "TestFiles.h"
#include "ToolMessages.h"

namespace {

// Room for the tool and a small report, far from room for the one below.
constexpr std::size_t kMemoryKibibytes = 256 * 1024;

TEST(ToolOutOfMemory, AReportBeyondTheToolsMemorySaysSoAndExitsWithOne) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer reserves more address space than any useful limit allows";
#endif
  if (!ToolMemoryCanBeLimited()) GTEST_SKIP() << "the system does not keep the tool within a limit";
  const ToolRun small = RunToolInMemory(kMemoryKibibytes, {"list", DataPath("report-cp1251.htm")});
  ASSERT_EQ(small.status, 0) << small.err;

  const TempDir dir;
  const std::string huge = dir.Write("huge.htm", "");
  std::filesystem::resize_file(huge, std::uintmax_t{4} << 30);  // sparse: it takes no disk
  const ToolRun run = RunToolInMemory(kMemoryKibibytes, {"list", huge});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, ToolMessages("Out of memory.\n"));
}

}  // namespace
