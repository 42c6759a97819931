#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include <cli/PrefixedLines.h>
#include <cli/formats/ListFormats.h>

using namespace kvl::core;
using namespace kvl::cli;

namespace {

TEST(EscapeFieldTest, WritesBackslashTabCrAndLfAsTwoCharacters) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"plain", "plain"},   {"a\\b", "a\\\\b"}, {"a\tb", "a\\tb"},
      {"a\rb", "a\\rb"},    {"a\nb", "a\\nb"},  {"\r\n\t\\", "\\r\\n\\t\\\\"},
      {"Проход", "Проход"}, {"", ""},
  };
  for (const auto& [field, escaped] : cases) EXPECT_EQ(EscapeField(field), escaped) << field;
}

// Written in pieces, as a message is, every line gets the prefix once, and only a line begun.
TEST(PrefixedLinesTest, StartsEveryLineWithThePrefix) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{}, ""},
      {{"Left out ", "1", " row.\n"}, "p: Left out 1 row.\n"},
      {{"one\ntwo\n", "three"}, "p: one\np: two\np: three"},
      {{"\n", "\n"}, "p: \np: \n"},
  };
  for (const auto& [pieces, expected] : cases) {
    std::ostringstream target;
    PrefixedLines lines(target, "p: ");
    for (const std::string& piece : pieces) lines << piece;
    EXPECT_EQ(target.str(), expected);
  }
}

}  // namespace
