#include <gtest/gtest.h>

#include <string>

#include <core/ReportFile.h>
#include <core/ReportLoader.h>

#include "PassFields.h"
#include "TestFiles.h"

using namespace kvl::core;

namespace {

// Bytes read elsewhere, such as from a pipe, decode as a file holding them does.
TEST(ReportFileOfBytesTest, ChoosesTheDecodingAsForAFile) {
  const TempDir dir;
  const std::string cases[] = {
      "",
      "<html>\xCF\xF0\xEE\xF5\xEE\xE4",
      "\xEF\xBB\xBF<html>",
      "\xEF\xBB\xBF",
      "\xEF\xBB<html>",  // a mark cut short is text
      std::string("\xFF\xFE<\0h\0", 6),
      std::string("\xFE\xFF\0<\0h", 6),
  };
  for (const std::string& bytes : cases) {
    const ReportFile file = ReadReportFile(dir.Write("report.htm", bytes));
    std::string source = bytes;
    const ReportFile fromBytes = ReportFileOfBytes(source);
    source.assign(source.size(), 'x');  // the report keeps bytes of its own
    EXPECT_EQ(fromBytes.encoding, file.encoding) << bytes;
    EXPECT_EQ(fromBytes.body, file.body) << bytes;
  }
}

TEST(ReportFileOfBytesTest, LoadsAsTheFileOfTheSameBytes) {
  for (const char* name : {"report-cp1251.htm", "report-utf8-bom.htm", "report-utf16le-bom.htm",
                           "report-english.htm"}) {
    PassTable fromFile;
    PassTable fromBytes;
    const int passes = LoadReport(DataPath(name), fromFile);
    ASSERT_EQ(LoadReport(ReportFileOfBytes(ReadBytes(DataPath(name))), fromBytes), passes) << name;
    for (int s = 0; s < passes; ++s) {
      EXPECT_EQ(AllFields(fromBytes[s]), AllFields(fromFile[s])) << name << " slot " << s;
    }
  }
}

}  // namespace
