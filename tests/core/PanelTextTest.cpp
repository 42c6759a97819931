#include <gtest/gtest.h>

#include <vector>

#include "PanelText.h"

namespace {

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
