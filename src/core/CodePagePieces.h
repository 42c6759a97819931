#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kvl::core {

// The conversions between UTF-8 and UTF-16 of CodePage.h, which hand a text to ICU in pieces
// because ICU counts in 32-bit lengths, with the piece size as a parameter: CodePage.h's use the
// largest pieces ICU can count, and small ones let a test reach every kind of cut. A piece holds
// at least 4 bytes or 2 units. A failure of ICU raises Exception.
std::u16string Utf8ToUtf16InPieces(std::string_view utf8, std::size_t pieceBytes);
std::string Utf16ToUtf8InPieces(std::u16string_view text, std::size_t pieceUnits);

}  // namespace kvl::core
