#pragma once

#include <string>
#include <string_view>

// The Windows code pages in which MT4 terminals of the generator's languages save their reports.
enum class WindowsCodePage { k1250, k1251, k1252, k1253 };

// The bytes of a UTF-8 text in `codePage`, so that the generator can keep its texts readable in
// the source. Only ASCII and the letters of the languages written in that code page convert
// (Central European, Cyrillic, Western European, Greek); any other character becomes '?'.
std::string CodePageTextFromUtf8(std::string_view utf8, WindowsCodePage codePage);
