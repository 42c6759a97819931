#include <gtest/gtest.h>

#include "ReferenceParser.h"

namespace {

TEST(SubStr, ClampsStartAndCount) {
  struct Case {
    std::string_view text;
    long long start, count;
    std::string_view expected;
  };
  const Case cases[] = {
      {"", 1, 5, ""},    {"", 0, 0, ""},       {"", -3, 10, ""},        {"abc", 3, 5, "c"},
      {"abc", 4, 1, ""}, {"abc", -2, 2, "ab"}, {"abc", 0, 2, "ab"},     {"abc", 1, 2, "ab"},
      {"abc", 2, 0, ""}, {"abc", 2, -1, ""},   {"abc", 1, 1000, "abc"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SubStr(c.text, c.start, c.count), c.expected)
        << "SubStr(\"" << c.text << "\", " << c.start << ", " << c.count << ")";
}

TEST(TailAfterFirstMspt, TakesEverythingAfterTheMarkerOrTheFifteenthByte) {
  EXPECT_EQ(TailAfterFirstMspt("ab<td class=mspt>rest<td class=mspt>"), "rest<td class=mspt>");
  EXPECT_EQ(TailAfterFirstMspt("0123456789abcdXYZ"), "XYZ");
  EXPECT_EQ(TailAfterFirstMspt("0123456789abcd"), "");
}

}  // namespace
