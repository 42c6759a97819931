#include "CodePage.h"

#include <array>
#include <unordered_map>
#include <vector>

#include <core/platform/CodePageBackend.h>

#include "CodePagePieces.h"

namespace kvl::core {

namespace {

constexpr char16_t kNoByte = 0;

constexpr bool IsLeadSurrogate(char16_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool IsTrailSurrogate(char16_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

// A single-byte code page held as two tables, so that the bulk of every conversion is a lookup.
// Undefined bytes decode to the C1 control of the same number, which keeps every byte text intact
// across a round trip.
class AnsiCodePage {
 public:
  explicit AnsiCodePage(unsigned number) : number_(number), backend_(number) {
    fromUnicode_.assign(0x10000, kNoByte);
    for (int b = 0; b < 256; ++b) {
      const char16_t unit = backend_.Decode(static_cast<unsigned char>(b));
      toUnicode_[b] = unit;
      fromUnicode_[unit] = static_cast<char16_t>(b + 1);  // stored off by one: 0 means "none"
    }
  }

  unsigned Number() const { return number_; }

  char16_t Decode(unsigned char byte) const { return toUnicode_[byte]; }

  // Writes one byte per character, a surrogate pair being one character; returns their number.
  std::size_t Encode(std::u16string_view text, char* out) {
    char* const start = out;
    for (std::size_t i = 0; i < text.size(); ++i) {
      const char16_t unit = text[i];
      if (const char16_t mapped = fromUnicode_[unit]; mapped != kNoByte) {
        *out++ = static_cast<char>(mapped - 1);
        continue;
      }
      const bool pair =
          IsLeadSurrogate(unit) && i + 1 < text.size() && IsTrailSurrogate(text[i + 1]);
      *out++ = EncodeUnmapped(text.substr(i, pair ? 2 : 1));
      if (pair) ++i;
    }
    return static_cast<std::size_t>(out - start);
  }

 private:
  char EncodeUnmapped(std::u16string_view codePoint) {
    const char32_t key = codePoint.size() == 2
                             ? 0x10000 + ((char32_t{codePoint[0]} - 0xD800) << 10) +
                                   (char32_t{codePoint[1]} - 0xDC00)
                             : codePoint[0];
    if (auto it = similar_.find(key); it != similar_.end()) return it->second;
    const char byte = backend_.EncodeUnmapped(codePoint, fromUnicode_);
    similar_.emplace(key, byte);
    return byte;
  }

  unsigned number_;
  CodePageBackend backend_;
  std::array<char16_t, 256> toUnicode_{};
  std::vector<char16_t> fromUnicode_;
  std::unordered_map<char32_t, char> similar_;
};

AnsiCodePage& CodePage() {
  static AnsiCodePage page(SystemAnsiCodePage());
  return page;
}

}  // namespace

std::string AnsiCodePageName() {
  return "Windows-" + std::to_string(CodePage().Number());
}

std::u16string AnsiToUtf16(std::string_view ansi) {
  const AnsiCodePage& page = CodePage();
  std::u16string out(ansi.size(), u'\0');
  for (std::size_t i = 0; i < ansi.size(); ++i)
    out[i] = page.Decode(static_cast<unsigned char>(ansi[i]));
  return out;
}

std::string Utf16ToAnsi(std::u16string_view text) {
  std::string out(text.size(), '\0');
  out.resize(CodePage().Encode(text, out.data()));
  return out;
}

std::size_t Utf16ToAnsi(std::u16string_view text, char* out) {
  return CodePage().Encode(text, out);
}

namespace {

// Every byte of the code page decodes to a character of the Basic Multilingual Plane that is no
// surrogate, so to one, two or three UTF-8 bytes, as ICU would write them.
char* WriteUtf8(char16_t unit, char* out) {
  if (unit < 0x80) {
    *out++ = static_cast<char>(unit);
  } else if (unit < 0x800) {
    *out++ = static_cast<char>(0xC0 | (unit >> 6));
    *out++ = static_cast<char>(0x80 | (unit & 0x3F));
  } else {
    *out++ = static_cast<char>(0xE0 | (unit >> 12));
    *out++ = static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (unit & 0x3F));
  }
  return out;
}

}  // namespace

std::size_t AnsiToUtf8(std::string_view ansi, char* out) {
  char* const start = out;
  for (const char c : ansi) {
    if ((c & 0x80) == 0) {
      *out++ = c;
    } else {
      out = WriteUtf8(CodePage().Decode(static_cast<unsigned char>(c)), out);
    }
  }
  return static_cast<std::size_t>(out - start);
}

std::string AnsiToUtf8(std::string_view ansi) {
  std::string utf8(ansi.size() * kMaxUtf8PerAnsi, '\0');
  utf8.resize(AnsiToUtf8(ansi, utf8.data()));
  return utf8;
}

namespace {

// Cuts `in` into pieces of at most `piece` where no character is split, so that every piece
// converts as it would within the whole text; a piece's result is at most `growth` times longer.
template <class Out, class CharIn, class Cut, class ConvertPiece>
Out ConvertInPieces(std::basic_string_view<CharIn> in, std::size_t piece, std::size_t growth,
                    Cut cut, ConvertPiece convertPiece) {
  Out out;
  while (!in.empty()) {
    const std::size_t take = in.size() <= piece ? in.size() : cut(in, piece);
    const std::size_t start = out.size();
    out.resize(start + take * growth);
    out.resize(start + convertPiece(in.substr(0, take), out.data() + start));
    in.remove_prefix(take);
  }
  return out;
}

constexpr bool IsUtf8Trail(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The number of trail bytes a lead byte announces; 0 for a byte that leads no sequence.
constexpr std::size_t Utf8TrailCount(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 1;
  if (lead >= 0xE0 && lead <= 0xEF) return 2;
  if (lead >= 0xF0 && lead <= 0xF4) return 3;
  return 0;
}

// Where to end a piece of `utf8` at `at` or before it: before the lead byte of a sequence that
// would run past `at`.
std::size_t Utf8Cut(std::string_view utf8, std::size_t at) {
  for (std::size_t back = 1; back <= 3 && IsUtf8Trail(utf8[at - back + 1]); ++back) {
    const auto lead = static_cast<unsigned char>(utf8[at - back]);
    if (const std::size_t trail = Utf8TrailCount(lead); trail > 0)
      return at - back + 1 + trail > at ? at - back : at;
  }
  return at;
}

// Where to end a piece of `text` at `at` or before it: not between the two units of a pair.
std::size_t Utf16Cut(std::u16string_view text, std::size_t at) {
  return IsLeadSurrogate(text[at - 1]) && IsTrailSurrogate(text[at]) ? at - 1 : at;
}

}  // namespace

std::u16string Utf8ToUtf16InPieces(std::string_view utf8, std::size_t pieceBytes) {
  // Never more UTF-16 units than UTF-8 bytes.
  return ConvertInPieces<std::u16string>(utf8, pieceBytes, 1, Utf8Cut, Utf8PieceToUtf16);
}

std::string Utf16ToUtf8InPieces(std::u16string_view text, std::size_t pieceUnits) {
  // A UTF-16 unit never needs more than 3 UTF-8 bytes.
  return ConvertInPieces<std::string>(text, pieceUnits, 3, Utf16Cut, Utf16PieceToUtf8);
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
  return Utf8ToUtf16InPieces(utf8, kMaxUtf8Piece);
}

std::string Utf16ToUtf8(std::u16string_view text) {
  return Utf16ToUtf8InPieces(text, kMaxUtf16Piece);
}

}  // namespace kvl::core
