#pragma once

#include <string_view>

namespace kvl::core {

// Whether `bytes` are well-formed UTF-8 (no overlong form, no surrogate, nothing past U+10FFFF)
// with at least one character beyond ASCII: a text that an ANSI code page would misread. Pure
// ASCII reads the same either way, and text in a single-byte code page with letters beyond ASCII
// is almost never well-formed UTF-8.
bool LooksLikeUtf8(std::string_view bytes) noexcept;

}  // namespace kvl::core
