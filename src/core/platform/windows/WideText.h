#pragma once

#include <string>
#include <string_view>

namespace kvl::core {

// The program's UTF-8 texts as the UTF-16 the Win32 API takes, and back.
std::wstring WideText(std::string_view utf8);
std::string Utf8Text(std::wstring_view wide);

}  // namespace kvl::core
