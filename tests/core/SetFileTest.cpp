#include <gtest/gtest.h>

#include "Exceptions.h"
#include "SetFile.h"
#include "TestFiles.h"

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

TEST(WriteSetFile, FailuresNameThePath) {
  TempDir dir;
  const std::string inMissingFolder = (dir.Path() / "no-such-folder" / "17.set").string();
  try {
    WriteSetFile(inMissingFolder, "A=1\r\n");
    ADD_FAILURE() << "created " << inMissingFolder;
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message(),
              "Cannot create file \"" + inMissingFolder + "\". No such file or directory");
  }
  try {
    WriteSetFile("/dev/full", "A=1\r\n");
    ADD_FAILURE() << "wrote to a full device";
  } catch (const EWriteError& e) {
    EXPECT_EQ(e.Message(), "Cannot write file \"/dev/full\". No space left on device");
  }
}

}  // namespace
