#include <gtest/gtest.h>

#include <core/CodePage.h>

using namespace kvl::core;

namespace {

// Where ICU knows no similar character, the base letter under a character's marks stands in,
// also beyond the letters that the Win32 conversion gives a similar character for.
TEST(CodePage, TheBaseOfACompatibilityDecompositionStandsInForItsCharacter) {
  struct Case {
    std::u16string text;
    std::string bytes;
  };
  const Case cases[] = {
      {u"\u01FA", "A"},               // A with ring and acute: two marks go
      {u"\u04E3\u04E2", "\xE8\xC8"},  // Cyrillic i with macron: и, И
      {u"\u00B2", "2"},               // superscript two
      {u"\u2003", " "},               // em space
      {u"\u0142\u00D8", "??"},        // l and O with stroke: no decomposition
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf16ToAnsi(c.text), c.bytes) << Utf16ToUtf8(c.text);
  }
}

}  // namespace
