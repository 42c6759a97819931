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

TEST(CodePage, ACharacterTheCodePageLacksBecomesASimilarOneElseAQuestionMark) {
  struct Case {
    std::u16string text;
    std::string bytes;
  };
  const Case cases[] = {
      {u"Проход", "\xCF\xF0\xEE\xF5\xEE\xE4"},  // in the code page: unchanged
      {u"\u2013\u20AC", "\x96\x88"},            // en dash, euro sign
      {u"\u0101\u0100", "aA"},                  // a and A with macron
      {u"\u00E9\u00E7\u00F1", "ecn"},           // acute, cedilla, tilde
      {u"\u01FA", "A"},                         // A with ring and acute: two marks go
      {u"\u04E3\u04E2", "\xE8\xC8"},            // Cyrillic i with macron: и, И
      {u"\u00B2", "2"},                         // superscript two
      {u"\u2003", " "},                         // em space
      {u"\uFF21", "A"},                         // full-width A
      {u"\u03AC", "?"},                         // Greek alpha with tonos: no alpha here
      {u"\u0142\u00DF", "??"},                  // l with stroke, sharp s: no decomposition
      {u"\uFB01", "?"},                         // the ligature fi is two letters, not one
      {u"\u0301", "?"},                         // a combining mark alone
      {u"a\u4E2Db", "a?b"},
      {u"\U0001F600", "?"},                 // one character, two UTF-16 units
      {std::u16string(1, u'\xD800'), "?"},  // a lone surrogate
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf16ToAnsi(c.text), c.bytes) << Utf16ToUtf8(c.text);
  }
}

TEST(CodePage, MalformedUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(Utf8ToUtf16("a\xFF"
                        "b"),
            u"a\uFFFDb");
  EXPECT_EQ(Utf8ToUtf16("\xD0"), u"\uFFFD");  // cut in the middle of a sequence
  EXPECT_EQ(Utf8ToUtf16(""), u"");
}

}  // namespace
