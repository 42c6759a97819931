#include <gtest/gtest.h>

#include "CodePage.h"

namespace {

TEST(CodePage, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::u16string decoded = AnsiToUtf16(all);
  ASSERT_EQ(decoded.size(), all.size());
  EXPECT_EQ(Utf16ToAnsi(decoded), all);
  EXPECT_EQ(Utf16ToAnsi(Utf8ToUtf16(AnsiToUtf8(all))), all);
}

TEST(CodePage, DecodesWindows1251) {
  EXPECT_EQ(AnsiToUtf16("\xCF\xF0\xEE\xF5\xEE\xE4"), u"Проход");
  EXPECT_EQ(AnsiToUtf16("\xA8\xB8\x88"), u"Ёё€");
  EXPECT_EQ(AnsiToUtf16("\x98"), u"\u0098");
  EXPECT_EQ(AnsiToUtf8("\xEF\xE0\xF0\xE0\xEC\xE5\xF2\xF0=1"), "параметр=1");
}

TEST(CodePage, CharactersTheCodePageLacksBecomeQuestionMarks) {
  EXPECT_EQ(Utf16ToAnsi(u"a\u4E2Db"), "a?b");
  EXPECT_EQ(Utf16ToAnsi(u"\U0001F600"), "?");                 // one character, two UTF-16 units
  EXPECT_EQ(Utf16ToAnsi(std::u16string(1, u'\xD800')), "?");  // a lone surrogate
  EXPECT_EQ(Utf16ToAnsi(u"Проход"), "\xCF\xF0\xEE\xF5\xEE\xE4");
}

TEST(CodePage, MalformedUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(Utf8ToUtf16("a\xFF"
                        "b"),
            u"a\uFFFDb");
  EXPECT_EQ(Utf8ToUtf16("\xD0"), u"\uFFFD");  // cut in the middle of a sequence
  EXPECT_EQ(Utf8ToUtf16(""), u"");
}

}  // namespace
