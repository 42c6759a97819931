#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include <core/Exceptions.h>
#include <core/ReportLoader.h>

#include "ReportGenerator.h"
#include "TestFiles.h"

using namespace kvl::core;

namespace {

TEST(LoadReport, UnreadableFileIsRefused) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  const TempDir dir;
  const std::string path = dir.Write("locked.htm", ResultsHeaderLine());
  std::filesystem::permissions(path, std::filesystem::perms::none);
  PassTable table;
  EXPECT_THROW(LoadReport(path, table), EFOpenError);
}

}  // namespace
