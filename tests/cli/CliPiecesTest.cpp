#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
