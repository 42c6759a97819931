#include <gtest/gtest.h>

#include <string>

#include <core/SetFile.h>

#include "TestFiles.h"

using namespace kvl::core;

namespace {

TEST(WriteSetFile, WritesExactlyTheBytesAndReplacesAnExistingFile) {
  TempDir dir;
  const std::string path = dir.Write("17.set", "an older and longer content\r\n");
  const std::string bytes = "A=1\r\n\xC8\xEC\xFF=2\r\nlast";
  WriteSetFile(path, bytes);
  EXPECT_EQ(ReadBytes(path), bytes);
  WriteSetFile(path, "");
  EXPECT_EQ(ReadBytes(path), "");
}

}  // namespace
