#include "CodePageText.h"

#include <span>

namespace {

// Code points first to last map to consecutive bytes from `firstByte`.
struct CodePointRun {
  char32_t first;
  char32_t last;
  unsigned char firstByte;
};

constexpr CodePointRun kCp1250[] = {
    {U'Ą', U'Ą', 0xA5}, {U'ą', U'ą', 0xB9}, {U'Ć', U'Ć', 0xC6}, {U'ć', U'ć', 0xE6},
    {U'Ę', U'Ę', 0xCA}, {U'ę', U'ę', 0xEA}, {U'Ł', U'Ł', 0xA3}, {U'ł', U'ł', 0xB3},
    {U'Ń', U'Ń', 0xD1}, {U'ń', U'ń', 0xF1}, {U'Ó', U'Ó', 0xD3}, {U'ó', U'ó', 0xF3},
    {U'Ś', U'Ś', 0x8C}, {U'ś', U'ś', 0x9C}, {U'Ź', U'Ź', 0x8F}, {U'ź', U'ź', 0x9F},
    {U'Ż', U'Ż', 0xAF}, {U'ż', U'ż', 0xBF},
};

constexpr CodePointRun kCp1251[] = {
    {U'А', U'я', 0xC0},
    {U'Ё', U'Ё', 0xA8},
    {U'ё', U'ё', 0xB8},
};

// Windows-1252 agrees with Latin-1 from the no-break space on.
constexpr CodePointRun kCp1252[] = {{0xA0, 0xFF, 0xA0}};

// The runs leave out the code points Unicode never assigned between the Greek letters.
constexpr CodePointRun kCp1253[] = {
    {U'Ά', U'Ά', 0xA2}, {U'Έ', U'Ί', 0xB8}, {U'Ό', U'Ό', 0xBC},
    {U'Ύ', U'Ρ', 0xBE}, {U'Σ', U'ώ', 0xD3},
};

// In the order of WindowsCodePage.
constexpr std::span<const CodePointRun> kRunsOfCodePage[] = {kCp1250, kCp1251, kCp1252, kCp1253};

char ByteOf(char32_t c, std::span<const CodePointRun> runs) {
  if (c < 0x80) return static_cast<char>(c);
  for (const CodePointRun& run : runs) {
    if (c >= run.first && c <= run.last) return static_cast<char>(run.firstByte + (c - run.first));
  }
  return '?';
}

}  // namespace

std::string CodePageTextFromUtf8(std::string_view utf8, WindowsCodePage codePage) {
  const std::span<const CodePointRun> runs = kRunsOfCodePage[static_cast<std::size_t>(codePage)];
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++i;
    } else if ((lead & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
      const auto next = static_cast<unsigned char>(utf8[i + 1]);
      out += ByteOf(static_cast<char32_t>(((lead & 0x1F) << 6) | (next & 0x3F)), runs);
      i += 2;
    } else {
      out += '?';
      ++i;
      while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) ++i;
    }
  }
  return out;
}
