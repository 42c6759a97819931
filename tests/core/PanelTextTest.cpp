#include <gtest/gtest.h>

#include <vector>

#include <core/PanelText.h>

using namespace kvl::core;

namespace {

TEST(FormatParameters, TurnsEachSemicolonAndTheByteAfterIntoALineBreak) {
  struct Case {
    std::string_view params, expected;
  };
  const Case cases[] = {
      {"a=1; b=2; ", "a=1\r\nb=2\r\n"},
      {"a=1;b=2", "a=1\r\n=2"},
      {";;x", "\r\nx"},
      {"no separator", "no separator"},
      {"", ""},
      {"a=1\r\nb=2\r\n", "a=1\r\nb=2\r\n"},
      // A ';' in the last position has no byte after it: the result grows by one.
      {"a=1;", "a=1\r\n"},
      {";", "\r\n"},
      {"a=1; b;", "a=1\r\nb\r\n"},
  };
  for (const Case& c : cases) {
    const std::string once = FormatParameters(c.params);
    EXPECT_EQ(once, c.expected) << "params: " << c.params;
    EXPECT_EQ(FormatParameters(once), once) << "formatting again changes " << c.params;
  }
}

TEST(StartOfLastLine, KeepsTheBreakBeforeTheLastLineAndSkipsAFinalEmptyOne) {
  struct Case {
    const char* text;
    std::vector<int> starts;
    int length, expected;
  };
  const Case cases[] = {
      {"empty text", {0}, 0, 0},
      {"one line", {0}, 3, 0},
      {"a CR LF b", {0, 3}, 4, 3},
      {"a CR LF b CR LF", {0, 3, 6}, 6, 3},
      {"a CR LF CR LF: the empty line before the final break is the last", {0, 3, 5}, 5, 3},
      {"one line displayed in three pieces", {0, 4, 8}, 10, 8},
  };
  for (const Case& c : cases) EXPECT_EQ(StartOfLastLine(c.starts, c.length), c.expected) << c.text;
}

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

}  // namespace
