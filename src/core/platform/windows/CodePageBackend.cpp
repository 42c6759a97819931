#include <windows.h>

#include <limits>
#include <string>

#include <core/Exceptions.h>
#include <core/platform/CodePageBackend.h>

namespace kvl::core {

struct CodePageBackend::Converter {
  UINT codePage;
};

CodePageBackend::CodePageBackend(unsigned codePage)
    : converter_(std::make_unique<Converter>(Converter{codePage})) {}

CodePageBackend::~CodePageBackend() = default;

char16_t CodePageBackend::Decode(unsigned char byte) {
  const char in = static_cast<char>(byte);
  wchar_t out = 0;
  const int length = ::MultiByteToWideChar(converter_->codePage, 0, &in, 1, &out, 1);
  return length == 1 ? static_cast<char16_t>(out) : static_cast<char16_t>(byte);
}

// The system's default conversion gives the similar character where the code page has one, and
// the code page's default character otherwise.
char CodePageBackend::EncodeUnmapped(std::u16string_view codePoint, std::span<const char16_t>) {
  char bytes[8];
  const int length = ::WideCharToMultiByte(
      converter_->codePage, 0, reinterpret_cast<const wchar_t*>(codePoint.data()),
      static_cast<int>(codePoint.size()), bytes, sizeof bytes, nullptr, nullptr);
  return length == 1 ? bytes[0] : '?';
}

// The largest pieces whose conversion the system can count in its int lengths.
const std::size_t kMaxUtf8Piece = std::size_t{1} << 30;
const std::size_t kMaxUtf16Piece = std::numeric_limits<int>::max() / 3;

namespace {

[[noreturn]] void RefuseConversion(std::size_t length) {
  throw Exception("Cannot convert a text of " + std::to_string(length) +
                  " characters: system error " + std::to_string(::GetLastError()));
}

}  // namespace

std::size_t Utf8PieceToUtf16(std::string_view utf8, char16_t* out) {
  if (utf8.empty()) return 0;
  const int length =
      ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()),
                            reinterpret_cast<wchar_t*>(out), static_cast<int>(utf8.size()));
  if (length == 0) RefuseConversion(utf8.size());
  return static_cast<std::size_t>(length);
}

std::size_t Utf16PieceToUtf8(std::u16string_view text, char* out) {
  if (text.empty()) return 0;
  const int length = ::WideCharToMultiByte(
      CP_UTF8, 0, reinterpret_cast<const wchar_t*>(text.data()), static_cast<int>(text.size()), out,
      static_cast<int>(3 * text.size()), nullptr, nullptr);
  if (length == 0) RefuseConversion(text.size());
  return static_cast<std::size_t>(length);
}

}  // namespace kvl::core
