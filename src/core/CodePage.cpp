#include "CodePage.h"

#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <array>
#include <limits>
#include <memory>
#include <stdexcept>
#include <unordered_map>
#include <vector>

#include "CodePagePieces.h"
#include "Exceptions.h"

namespace {

constexpr char16_t kNoByte = 0;
constexpr char kDefaultChar = '?';
constexpr const char* kAnsiConverterName = "windows-1251";

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

// A single-byte code page held as two tables, so that the bulk of every conversion is a lookup.
// Bytes the code page leaves undefined (0x98 in Windows-1251) map to the C1 control of the same
// number, as the system's own conversion does, which keeps every byte text intact across a round
// trip.
class AnsiCodePage {
 public:
  AnsiCodePage() {
    UErrorCode status = U_ZERO_ERROR;
    converter_.reset(ucnv_open(kAnsiConverterName, &status));
    if (U_FAILURE(status)) throw std::runtime_error("ICU has no converter for the ANSI code page");
    ucnv_setFallback(converter_.get(), true);
    ucnv_setSubstChars(converter_.get(), &kDefaultChar, 1, &status);

    fromUnicode_.assign(0x10000, kNoByte);
    for (int b = 0; b < 256; ++b) {
      const char byte = static_cast<char>(b);
      char16_t unit = static_cast<char16_t>(b);
      UChar out[4];
      UErrorCode s = U_ZERO_ERROR;
      ucnv_reset(converter_.get());
      ucnv_setToUCallBack(converter_.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &s);
      const int32_t len = ucnv_toUChars(converter_.get(), out, 4, &byte, 1, &s);
      if (U_SUCCESS(s) && len == 1) unit = out[0];
      toUnicode_[b] = unit;
      fromUnicode_[unit] = static_cast<char16_t>(b + 1);  // stored off by one: 0 means "none"
    }
  }

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
      const bool pair = U16_IS_LEAD(unit) && i + 1 < text.size() && U16_IS_TRAIL(text[i + 1]);
      *out++ = EncodeUnmapped(text.substr(i, pair ? 2 : 1));
      if (pair) ++i;
    }
    return static_cast<std::size_t>(out - start);
  }

 private:
  // A similar character for one code point the tables do not hold: ICU's own fallback (such as
  // a full-width letter to its plain form), else the base letter under its marks, else '?'.
  char EncodeUnmapped(std::u16string_view codePoint) {
    const char32_t key =
        codePoint.size() == 2 ? U16_GET_SUPPLEMENTARY(codePoint[0], codePoint[1]) : codePoint[0];
    if (auto it = fallback_.find(key); it != fallback_.end()) return it->second;
    char bytes[8];
    UErrorCode status = U_ZERO_ERROR;
    ucnv_reset(converter_.get());
    const int32_t len = ucnv_fromUChars(converter_.get(), bytes, sizeof bytes, codePoint.data(),
                                        static_cast<int32_t>(codePoint.size()), &status);
    const char result = U_SUCCESS(status) && len == 1 && bytes[0] != kDefaultChar
                            ? bytes[0]
                            : BaseLetter(codePoint);
    fallback_.emplace(key, result);
    return result;
  }

  // The compatibility decomposition without its combining marks, when that leaves one character
  // of the code page: "ā" gives "a", "ӣ" gives "и", "²" gives "2". A ligature ("ﬁ") or a letter
  // that does not decompose ("ł") has none.
  char BaseLetter(std::u16string_view codePoint) const {
    UErrorCode status = U_ZERO_ERROR;
    const UNormalizer2* decomposition = unorm2_getNFKDInstance(&status);
    constexpr int32_t kCapacity = 32;  // the longest decomposition, of U+FDFA, takes 18 units
    UChar decomposed[kCapacity];
    const int32_t length =
        unorm2_normalize(decomposition, codePoint.data(), static_cast<int32_t>(codePoint.size()),
                         decomposed, kCapacity, &status);
    if (U_FAILURE(status)) return kDefaultChar;
    char16_t base = kNoByte;
    int bases = 0;
    for (int32_t i = 0; i < length;) {
      UChar32 c = 0;
      U16_NEXT(decomposed, i, length, c);
      if ((U_GET_GC_MASK(c) & U_GC_M_MASK) != 0) continue;
      if (++bases > 1 || c > 0xFFFF) return kDefaultChar;
      base = static_cast<char16_t>(c);
    }
    const char16_t mapped = bases == 1 ? fromUnicode_[base] : kNoByte;
    return mapped != kNoByte ? static_cast<char>(mapped - 1) : kDefaultChar;
  }

  ConverterPtr converter_;
  std::array<char16_t, 256> toUnicode_{};
  std::vector<char16_t> fromUnicode_;
  std::unordered_map<char32_t, char> fallback_;
};

AnsiCodePage& CodePage() {
  static AnsiCodePage page;
  return page;
}

}  // namespace

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

// The largest pieces whose conversion ICU can count in its 32-bit lengths.
constexpr std::size_t kMaxUtf8Piece = std::size_t{1} << 30;
constexpr std::size_t kMaxUtf16Piece = std::numeric_limits<int32_t>::max() / 3;

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
    int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    convertPiece(out.data() + start, static_cast<int32_t>(take * growth), &length, in.data(),
                 static_cast<int32_t>(take), 0xFFFD, nullptr, &status);
    if (U_FAILURE(status)) {
      throw Exception(std::string("Cannot convert a text of ") + std::to_string(in.size()) +
                      " characters: " + u_errorName(status));
    }
    out.resize(start + static_cast<std::size_t>(length));
    in.remove_prefix(take);
  }
  return out;
}

// Where to end a piece of `utf8` at `at` or before it: before the lead byte of a sequence that
// would run past `at`.
std::size_t Utf8Cut(std::string_view utf8, std::size_t at) {
  for (std::size_t back = 1; back <= 3 && U8_IS_TRAIL(utf8[at - back + 1]); ++back) {
    const auto lead = static_cast<uint8_t>(utf8[at - back]);
    if (U8_IS_LEAD(lead)) return at - back + 1 + U8_COUNT_TRAIL_BYTES(lead) > at ? at - back : at;
  }
  return at;
}

// Where to end a piece of `text` at `at` or before it: not between the two units of a pair.
std::size_t Utf16Cut(std::u16string_view text, std::size_t at) {
  return U16_IS_LEAD(text[at - 1]) && U16_IS_TRAIL(text[at]) ? at - 1 : at;
}

}  // namespace

std::u16string Utf8ToUtf16InPieces(std::string_view utf8, std::size_t pieceBytes) {
  // Never more UTF-16 units than UTF-8 bytes.
  return ConvertInPieces<std::u16string>(utf8, pieceBytes, 1, Utf8Cut, u_strFromUTF8WithSub);
}

std::string Utf16ToUtf8InPieces(std::u16string_view text, std::size_t pieceUnits) {
  // A UTF-16 unit never needs more than 3 UTF-8 bytes.
  return ConvertInPieces<std::string>(text, pieceUnits, 3, Utf16Cut, u_strToUTF8WithSub);
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
  return Utf8ToUtf16InPieces(utf8, kMaxUtf8Piece);
}

std::string Utf16ToUtf8(std::u16string_view text) {
  return Utf16ToUtf8InPieces(text, kMaxUtf16Piece);
}
