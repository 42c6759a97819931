#include <gtest/gtest.h>

#include <string_view>

#include "CodePageText.h"

namespace {

struct Conversion {
  WindowsCodePage codePage;
  std::string_view utf8;
  std::string_view bytes;
};

// The first and last letters of each run of the tables, ASCII, and letters a code page lacks.
constexpr Conversion kConversions[] = {
    {WindowsCodePage::k1251, "<b>A-1</b>", "<b>A-1</b>"},
    {WindowsCodePage::k1251, "АяЁё", "\xC0\xFF\xA8\xB8"},
    {WindowsCodePage::k1252, "\u00A0üÿ", "\xA0\xFC\xFF"},
    {WindowsCodePage::k1250, "ĄąŚśŹźŻżó", "\xA5\xB9\x8C\x9C\x8F\x9F\xAF\xBF\xF3"},
    {WindowsCodePage::k1253, "ΆΈΊΌΎΡΣώ", "\xA2\xB8\xBA\xBC\xBE\xD1\xD3\xFE"},
    {WindowsCodePage::k1252, "Яx", "?x"},
    {WindowsCodePage::k1250, "Ωx", "?x"},
    {WindowsCodePage::k1251, "€x", "?x"},
};

TEST(CodePageTextTest, ConvertsTheLettersOfItsCodePageAndMarksOthers) {
  for (const Conversion& conversion : kConversions) {
    EXPECT_EQ(CodePageTextFromUtf8(conversion.utf8, conversion.codePage), conversion.bytes)
        << conversion.utf8;
  }
}

}  // namespace
