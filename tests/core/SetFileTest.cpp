#include <gtest/gtest.h>

#include "Exceptions.h"
#include "SetFile.h"
#include "TestFiles.h"

namespace {

TEST(SetFileTextForParams, KeepsOneLinePerParameter) {
  struct Case {
    std::string_view params, expected;
  };
  const Case cases[] = {
      {"A=1; B=2; \">3", "A=1\r\nB=2\r\n"},
      {"A=1; B=2\">3", "A=1\r\n"},  // the last parameter shares its line with the cell's rest
      {"A=1\">3", ""},              // no ';' at all
      {"", ""},
      {"A=1; B=2; ", "A=1\r\n"},  // a final break ends B=2's line, which is the last one
      {"A=1; ; \">3", "A=1\r\n\r\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(SetFileTextForParams(c.params), c.expected) << c.params;
}

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
