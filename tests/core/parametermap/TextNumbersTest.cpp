#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <core/parametermap/TextNumbers.h>

using namespace kvl::core;

namespace {

// Texts that agree in their first eight bytes, in their length or in both, short texts whose
// packed bytes agree and only their lengths differ, and enough texts to make the table grow
// several times.
TEST(TextNumbers, NumbersTextsInTheOrderTheyFirstComeAndFindsThemAgain) {
  using namespace std::string_literals;
  std::vector<std::string> texts = {
      ""s,         "\0"s,         "a"s,          "b"s,    "abcdefgh"s, "abcdefghi"s,
      "abcdefgj"s, "abcdefghij"s, "abcdefghik"s, "abcd"s, "abcdabcd"s, "abcde"s,
      "abcdbcde"s, "ab"s,         "ab\0"s,       "x"s,    "xx"s,       "xxx"s};
  for (int i = 0; i < 200; ++i) texts.push_back("value" + std::to_string(i));
  TextNumbers numbers;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    EXPECT_EQ(numbers.NumberOf(texts[i]), i) << texts[i];
  }
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const std::string copy = texts[i];  // found by its bytes, not by where they lie
    EXPECT_EQ(numbers.NumberOf(copy), i) << texts[i];
    EXPECT_EQ(numbers.Text(static_cast<std::uint32_t>(i)), texts[i]);
  }
  EXPECT_EQ(numbers.Size(), texts.size());
}

}  // namespace
