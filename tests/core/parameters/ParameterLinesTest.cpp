#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include <core/parameters/ParameterLines.h>
#include <core/parameters/ParameterPair.h>

using namespace kvl::core;

namespace {

std::vector<std::string> KeptLines(std::string_view params) {
  std::vector<std::string> lines;
  ForEachKeptLine(params, [&lines](std::string_view line) { lines.emplace_back(line); });
  return lines;
}

TEST(ParameterLines, KeepsEveryLineWhoseBreakHasSomethingAfterIt) {
  struct Case {
    std::string_view params;
    std::vector<std::string> kept;
  };
  const Case cases[] = {
      // The rest of the report cell stands on the last line, which is not kept.
      {"A=1; B=2; \">3", {"A=1", "B=2"}},
      {"A=1; B=2\">3", {"A=1"}},
      {"A=1\">3", {}},
      {"", {}},
      // A text that ends in its last break loses the line before that break.
      {"A=1; B=2; ", {"A=1"}},
      {"A=1; B=2;", {"A=1"}},
      {";", {}},
      // ';' takes the byte after it, even another ';'.
      {"A=1;;B=2; \">3", {"A=1", "B=2"}},
      {"A=1;xB=2; \">3", {"A=1", "B=2"}},
      {"A=1; ; \">3", {"A=1", ""}},
      {"Long name=a value past eight bytes; Another long one=more than a word; \">3",
       {"Long name=a value past eight bytes", "Another long one=more than a word"}},
  };
  for (const Case& c : cases) EXPECT_EQ(KeptLines(c.params), c.kept) << c.params;
}

// The break search looks at eight bytes at once before it calls memchr: every start and every
// place of the ';' around those eight, among bytes one bit away from ';'.
TEST(ParameterLines, FindsTheFirstBreakWhereverItStands) {
  const std::string filler = ":\xBB{+";
  for (std::size_t length = 0; length < 20; ++length) {
    for (std::size_t at = 0; at <= length; ++at) {
      std::string text;
      for (std::size_t k = 0; k < length; ++k) text += filler[k % filler.size()];
      if (at < length) text[at] = ';';
      for (std::size_t from = 0; from <= length; ++from) {
        EXPECT_EQ(FindLineBreak(text, from), text.find(';', from))
            << testing::PrintToString(text) << " from " << from;
      }
    }
  }
}

TEST(ParameterPair, SplitsAtTheFirstEqualsSignWithTheBlanksAsChosen) {
  struct Case {
    std::string_view line;
    Blanks blanks;
    std::string_view name;
    std::optional<std::string_view> value;
  };
  const Case cases[] = {
      {"A=1", Blanks::kKept, "A", "1"},
      {" Take Profit = 20\t", Blanks::kKept, " Take Profit ", " 20\t"},
      {" Take Profit = 20\t", Blanks::kTrimmed, "Take Profit", "20"},
      {"A=x=y", Blanks::kTrimmed, "A", "x=y"},
      {"Comment=", Blanks::kKept, "Comment", ""},
      {" = ", Blanks::kTrimmed, "", ""},
      {" broken\t", Blanks::kKept, " broken\t", std::nullopt},
      {" broken\t", Blanks::kTrimmed, "broken", std::nullopt},
      {"", Blanks::kTrimmed, "", std::nullopt},
  };
  for (const Case& c : cases) {
    const ParameterPair pair = SplitParameterPair(c.line, c.blanks);
    EXPECT_EQ(pair.name, c.name) << c.line;
    EXPECT_EQ(pair.value, c.value) << c.line;
  }
}

}  // namespace
