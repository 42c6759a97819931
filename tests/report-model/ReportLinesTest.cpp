#include <gtest/gtest.h>

#include "ReportLines.h"

namespace {

using Lines = std::vector<std::string_view>;

TEST(SplitReportLines, LineBreakForms) {
  struct Case {
    std::string_view text;
    Lines expected;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},  // LF CR is two breaks
      {"\r\n", {""}},
      {"\n\n", {"", ""}},
      {std::string_view("a\r\nb\0c\r\nd", 9), {"a", "b"}},  // the text ends at its first NUL
      {std::string_view("\0a", 2), {}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitReportLines(c.text), c.expected) << c.text;
}

TEST(SplitReportLines, Utf16Text) {
  const std::u16string text = u"Проход\r\nа\rб\n";
  const std::vector<std::u16string_view> expected = {u"Проход", u"а", u"б"};
  EXPECT_EQ(SplitReportLines(std::u16string_view(text)), expected);
}

}  // namespace
