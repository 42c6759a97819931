#pragma once

#include <string_view>

namespace kvl::core {

// Whether a report line is the results table's header: its first occurrence of
// "align=right><td>Проход<" (Windows-1251 bytes, or their UTF-16 decoding) stands after at least
// one other character.
bool IsHeaderLine(std::string_view line) noexcept;
bool IsHeaderLine(std::u16string_view line);

}  // namespace kvl::core
