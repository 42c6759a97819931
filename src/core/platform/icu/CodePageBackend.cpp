#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>

#include <limits>
#include <stdexcept>
#include <string>

#include <core/Exceptions.h>
#include <core/platform/CodePageBackend.h>

namespace kvl::core {

namespace {

constexpr char kDefaultChar = '?';

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using ConverterPtr = std::unique_ptr<UConverter, ConverterCloser>;

}  // namespace

struct CodePageBackend::Converter {
  ConverterPtr icu;
};

CodePageBackend::CodePageBackend(unsigned codePage) : converter_(std::make_unique<Converter>()) {
  UErrorCode status = U_ZERO_ERROR;
  const std::string name = "windows-" + std::to_string(codePage);
  converter_->icu.reset(ucnv_open(name.c_str(), &status));
  if (U_FAILURE(status)) throw std::runtime_error("ICU has no converter for " + name);
  ucnv_setFallback(converter_->icu.get(), true);
  ucnv_setSubstChars(converter_->icu.get(), &kDefaultChar, 1, &status);
}

CodePageBackend::~CodePageBackend() = default;

char16_t CodePageBackend::Decode(unsigned char byte) {
  UConverter* icu = converter_->icu.get();
  const char in = static_cast<char>(byte);
  UChar out[4];
  UErrorCode status = U_ZERO_ERROR;
  ucnv_reset(icu);
  ucnv_setToUCallBack(icu, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
  const int32_t length = ucnv_toUChars(icu, out, 4, &in, 1, &status);
  return U_SUCCESS(status) && length == 1 ? out[0] : static_cast<char16_t>(byte);
}

namespace {

// The compatibility decomposition without its combining marks, when that leaves one character
// of the code page: "ā" gives "a", "ӣ" gives "и", "²" gives "2". A ligature ("ﬁ") or a letter
// that does not decompose ("ł") has none.
char BaseLetter(std::u16string_view codePoint, std::span<const char16_t> encoded) {
  UErrorCode status = U_ZERO_ERROR;
  const UNormalizer2* decomposition = unorm2_getNFKDInstance(&status);
  constexpr int32_t kCapacity = 32;  // the longest decomposition, of U+FDFA, takes 18 units
  UChar decomposed[kCapacity];
  const int32_t length =
      unorm2_normalize(decomposition, codePoint.data(), static_cast<int32_t>(codePoint.size()),
                       decomposed, kCapacity, &status);
  if (U_FAILURE(status)) return kDefaultChar;
  char16_t base = 0;
  int bases = 0;
  for (int32_t i = 0; i < length;) {
    UChar32 c = 0;
    U16_NEXT(decomposed, i, length, c);
    if ((U_GET_GC_MASK(c) & U_GC_M_MASK) != 0) continue;
    if (++bases > 1 || c > 0xFFFF) return kDefaultChar;
    base = static_cast<char16_t>(c);
  }
  const char16_t mapped = bases == 1 ? encoded[base] : 0;
  return mapped != 0 ? static_cast<char>(mapped - 1) : kDefaultChar;
}

}  // namespace

// ICU's own fallback (such as a full-width letter to its plain form), else the base letter under
// its marks, else '?'.
char CodePageBackend::EncodeUnmapped(std::u16string_view codePoint,
                                     std::span<const char16_t> encoded) {
  UConverter* icu = converter_->icu.get();
  char bytes[8];
  UErrorCode status = U_ZERO_ERROR;
  ucnv_reset(icu);
  const int32_t length = ucnv_fromUChars(icu, bytes, sizeof bytes, codePoint.data(),
                                         static_cast<int32_t>(codePoint.size()), &status);
  return U_SUCCESS(status) && length == 1 && bytes[0] != kDefaultChar
             ? bytes[0]
             : BaseLetter(codePoint, encoded);
}

// The largest pieces whose conversion ICU can count in its 32-bit lengths.
const std::size_t kMaxUtf8Piece = std::size_t{1} << 30;
const std::size_t kMaxUtf16Piece = std::numeric_limits<int32_t>::max() / 3;

namespace {

template <class Out, class In, class Convert>
std::size_t ConvertPiece(std::basic_string_view<In> in, Out* out, std::size_t room,
                         Convert convert) {
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  convert(out, static_cast<int32_t>(room), &length, in.data(), static_cast<int32_t>(in.size()),
          0xFFFD, nullptr, &status);
  if (U_FAILURE(status)) {
    throw Exception(std::string("Cannot convert a text of ") + std::to_string(in.size()) +
                    " characters: " + u_errorName(status));
  }
  return static_cast<std::size_t>(length);
}

}  // namespace

std::size_t Utf8PieceToUtf16(std::string_view utf8, char16_t* out) {
  return ConvertPiece(utf8, out, utf8.size(), u_strFromUTF8WithSub);
}

std::size_t Utf16PieceToUtf8(std::u16string_view text, char* out) {
  return ConvertPiece(text, out, 3 * text.size(), u_strToUTF8WithSub);
}

}  // namespace kvl::core
