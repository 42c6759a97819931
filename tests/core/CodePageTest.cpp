#include <gtest/gtest.h>

#include <core/CodePage.h>
#include <core/CodePagePieces.h>

using namespace kvl::core;

namespace {

TEST(CodePage, EveryByteSurvivesARoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::u16string decoded = AnsiToUtf16(all);
  ASSERT_EQ(decoded.size(), all.size());
  EXPECT_EQ(Utf16ToAnsi(decoded), all);
  EXPECT_EQ(Utf16ToAnsi(Utf8ToUtf16(AnsiToUtf8(all))), all);
  // The direct conversion to UTF-8 writes what ICU writes for the decoded text.
  EXPECT_EQ(AnsiToUtf8(all), Utf16ToUtf8(decoded));
}

TEST(CodePage, DecodesWindows1251) {
  EXPECT_EQ(AnsiToUtf16("\xCF\xF0\xEE\xF5\xEE\xE4"), u"Проход");
  EXPECT_EQ(AnsiToUtf16("\xA8\xB8\x88"), u"Ёё€");
  EXPECT_EQ(AnsiToUtf16("\x98"), u"\u0098");
  EXPECT_EQ(AnsiToUtf8("\xEF\xE0\xF0\xE0\xEC\xE5\xF2\xF0=1"), "параметр=1");
  std::string out(3 * kMaxUtf8PerAnsi, '#');
  EXPECT_EQ(AnsiToUtf8("\xC0\x88\xB9", out.data()), 8u);  // two, three and three UTF-8 bytes
  EXPECT_EQ(out, "А€№#");
}

TEST(CodePage, ACharacterTheCodePageLacksBecomesASimilarOneElseAQuestionMark) {
  struct Case {
    std::u16string text;
    std::string bytes;
  };
  const Case cases[] = {
      {u"Проход", "\xCF\xF0\xEE\xF5\xEE\xE4"},  // in the code page: unchanged
      {u"\u2013\u20AC", "\x96\x88"},            // en dash, euro sign
      {u"\uFF21", "A"},                         // full-width A
      {u"\u03AC", "?"},                         // Greek alpha with tonos: no alpha here
      {u"\u00DF", "?"},                         // sharp s
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

// The letters with diacritics of the languages written in Latin letters lose their marks, the
// same on every system.
TEST(CodePage, CommonLatinLettersWithDiacriticsBecomeTheirBaseLetters) {
  const std::u16string letters =
      u"ÀÁÂÃÄÅÇÈÉÊËÌÍÎÏÑÒÓÔÕÖÙÚÛÜÝàáâãäåçèéêëìíîïñòóôõöùúûüýÿ"
      u"ĀāĂăĄąĆćČčĎďĒēĖėĘęĚěĞğĢģĪīĮįİĶķĹĺĻļĽľŃńŅņŇňŌōŐőŔŕŘřŚśŞşŠšŢţŤťŪūŮůŰűŲųŸŹźŻżŽž";
  const std::string bases =
      "AAAAAACEEEEIIIINOOOOOUUUUYaaaaaaceeeeiiiinooooouuuuyy"
      "AaAaAaCcCcDdEeEeEeEeGgGgIiIiIKkLlLlLlNnNnNnOoOoRrRrSsSsSsTtTtUuUuUuUuYZzZzZz";
  ASSERT_EQ(letters.size(), bases.size());
  for (std::size_t k = 0; k < letters.size(); ++k) {
    EXPECT_EQ(Utf16ToAnsi(letters.substr(k, 1)), bases.substr(k, 1))
        << Utf16ToUtf8(letters.substr(k, 1));
  }
}

TEST(CodePage, MalformedUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(Utf8ToUtf16("a\xFF"
                        "b"),
            u"a\uFFFDb");
  EXPECT_EQ(Utf8ToUtf16("\xD0"), u"\uFFFD");  // cut in the middle of a sequence
  EXPECT_EQ(Utf8ToUtf16(""), u"");
}

// Long texts reach ICU in pieces; cut small, the pieces must give what the whole text gives.
TEST(CodePage, ConversionsInPiecesEqualTheWholeConversion) {
  const std::string utf8Texts[] = {
      "plain text of some length",
      "\xD0\x9F\xD1\x80\xD0\xBE\xD1\x85\xD0\xBE\xD0\xB4 \xE2\x82\xAC\xE2\x82\xAC",  // Проход €€
      "\xF0\x9F\x98\x80\xF0\x9F\x98\x80"
      "a\xF0\x9F\x98\x80",  // pairs in UTF-16
      // cut sequences, stray and surplus trail bytes, overlong and out-of-range forms
      "a\xF0\x9F\x98 "
      "b\x80\x80\x80\x80\x80 \xF0\x9F\x98\x80\x80 \xE1\x80",
      "\xC0\xAF\xE0\x80\xAF\xF4\x90\x80\x80\xED\xA0\x80\xFF\xFEx\xE1",
  };
  for (const std::string& utf8 : utf8Texts) {
    const std::u16string whole = Utf8ToUtf16InPieces(utf8, utf8.size());
    EXPECT_EQ(Utf8ToUtf16(utf8), whole);
    for (std::size_t piece = 4; piece < 10; ++piece)
      EXPECT_EQ(Utf8ToUtf16InPieces(utf8, piece), whole) << utf8 << " in pieces of " << piece;

    std::u16string units = whole + u"\xD83D" + whole + u"\xDE00\xDE00\xD83D";  // lone halves
    const std::string back = Utf16ToUtf8InPieces(units, units.size());
    EXPECT_EQ(Utf16ToUtf8(units), back);
    for (std::size_t piece = 2; piece < 8; ++piece)
      EXPECT_EQ(Utf16ToUtf8InPieces(units, piece), back) << utf8 << " in pieces of " << piece;
  }
}

}  // namespace
