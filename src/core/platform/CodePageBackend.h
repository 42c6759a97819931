#pragma once

#include <cstddef>
#include <memory>
#include <span>
#include <string_view>

namespace kvl::core {

// What the system offers for converting texts: ICU on Linux, the Win32 API on Windows. The tables
// and the cutting of long texts into pieces are CodePage.cpp's; a backend converts single bytes,
// single characters and pieces short enough for its 32-bit counts.

// The ANSI code page that texts are held in: the system's where it is a single-byte one, else
// Windows-1251. Defined in a file of its own, so that a test program may link its own definition
// in its place and not depend on the machine's settings.
unsigned SystemAnsiCodePage();

class CodePageBackend {
 public:
  explicit CodePageBackend(unsigned codePage);
  ~CodePageBackend();
  CodePageBackend(const CodePageBackend&) = delete;
  CodePageBackend& operator=(const CodePageBackend&) = delete;

  // The character that `byte` stands for. A byte the code page leaves undefined gives the C1
  // control of the same number, as the system's own conversion does.
  char16_t Decode(unsigned char byte);

  // The byte for one character, one unit or a surrogate pair, that no byte decodes to: a similar
  // character where one is known, else '?'. `encoded` maps a UTF-16 unit to its byte plus one, 0
  // where no byte decodes to it.
  char EncodeUnmapped(std::u16string_view codePoint, std::span<const char16_t> encoded);

 private:
  struct Converter;
  std::unique_ptr<Converter> converter_;
};

// The longest pieces the backend converts at once.
extern const std::size_t kMaxUtf8Piece;
extern const std::size_t kMaxUtf16Piece;

// Converts a piece, malformed UTF-8 and lone surrogates becoming U+FFFD; `out` has room for
// utf8.size() units, or 3 * text.size() bytes. Returns the number written. Raises Exception when
// the system fails.
std::size_t Utf8PieceToUtf16(std::string_view utf8, char16_t* out);
std::size_t Utf16PieceToUtf8(std::u16string_view text, char* out);

}  // namespace kvl::core
