#include "Cp1251Text.h"

namespace {

char Cp1251ForCodePoint(char32_t c) {
  if (c < 0x80) return static_cast<char>(c);
  if (c >= U'А' && c <= U'я') return static_cast<char>(0xC0 + (c - U'А'));
  if (c == U'Ё') return static_cast<char>(0xA8);
  if (c == U'ё') return static_cast<char>(0xB8);
  return '?';
}

}  // namespace

std::string Cp1251FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++i;
    } else if ((lead & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
      const auto next = static_cast<unsigned char>(utf8[i + 1]);
      out += Cp1251ForCodePoint(static_cast<char32_t>(((lead & 0x1F) << 6) | (next & 0x3F)));
      i += 2;
    } else {
      out += '?';
      ++i;
      while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) ++i;
    }
  }
  return out;
}
