#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kvl::core {

// The program's UTF-8 paths as std::filesystem paths and back. A path's narrow form is not UTF-8
// everywhere: on Windows it is the ANSI code page, which lacks most characters.
inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();
  return {utf8.begin(), utf8.end()};
}

}  // namespace kvl::core
