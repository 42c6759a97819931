#pragma once

#include <string>
#include <string_view>

namespace kvl::core {

// Conversions between the ANSI code page and Unicode. The ANSI code page is the system's where
// the system has a single-byte one (Windows), else Windows-1251, the code page of the reports.
// Every byte 0x00-0xFF decodes to one UTF-16 unit and encodes back to itself, so byte texts
// survive a round trip unchanged.

// The ANSI code page's name, such as "Windows-1251".
std::string AnsiCodePageName();

std::u16string AnsiToUtf16(std::string_view ansi);

// A character the code page lacks becomes its closest equivalent where one is known, else '?'.
std::string Utf16ToAnsi(std::u16string_view text);
// The same into `out`, which has room for text.size() bytes; returns the number written.
std::size_t Utf16ToAnsi(std::u16string_view text, char* out);

std::string AnsiToUtf8(std::string_view ansi);
// The same into `out`, which has room for kMaxUtf8PerAnsi bytes per byte of ansi; returns the
// number written. ASCII is copied as it stands, so the mostly ASCII texts of report cells convert
// at about the speed of a copy.
inline constexpr std::size_t kMaxUtf8PerAnsi = 3;
std::size_t AnsiToUtf8(std::string_view ansi, char* out);

// Malformed UTF-8 becomes U+FFFD, never an error.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace kvl::core
