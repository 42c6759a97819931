#include <gtest/gtest.h>

#include <string>

#include <core/Utf8Text.h>

using namespace kvl::core;

namespace {

TEST(Utf8Text, TellsWellFormedUtf8BeyondAsciiFromEverythingElse) {
  struct Case {
    std::string bytes;
    bool utf8;
  };
  const Case cases[] = {
      {"", false},
      {"<td>Pass</td> and more than eight ASCII bytes", false},
      {"<td>Проход</td>", true},
      {"ASCII for a while, then the last byte: \xC3\xA9", true},
      {"\xE2\x82\xAC \xF0\x9F\x98\x80", true},       // three and four bytes
      {"<td>\xCF\xF0\xEE\xF5\xEE\xE4</td>", false},  // Windows-1251 "Проход"
      {"Проход \xCF", false},                        // one stray Windows-1251 byte
      {"\xD0", false},                               // cut short at the end
      {"\xE2\x82", false},
      {"\xD0\x41", false},          // no continuation byte
      {"\x80\x80", false},          // continuation without a lead
      {"\xC0\xAF", false},          // overlong '/'
      {"\xE0\x80\xAF", false},      // overlong, three bytes
      {"\xF0\x80\x80\xAF", false},  // overlong, four bytes
      {"\xED\xA0\x80", false},      // a surrogate
      {"\xF4\x90\x80\x80", false},  // past U+10FFFF
      {"\xF5\x80\x80\x80", false},
      {"\xEF\xBF\xBF \xF4\x8F\xBF\xBF \xED\x9F\xBF", true},  // the largest allowed
      {std::string("a\0\xD0\x9F", 4), true},                 // a NUL is ASCII
  };
  for (const Case& c : cases) EXPECT_EQ(LooksLikeUtf8(c.bytes), c.utf8) << c.bytes;
}

}  // namespace
