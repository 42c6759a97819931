#include <windows.h>

#include <core/platform/FileErrorParts.h>

#include "WideText.h"

namespace kvl::core {

std::string FullPath(const std::string& path) {
  const std::wstring wide = WideText(path);
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) return path;
    if (length < full.size()) {
      full.resize(length);
      return Utf8Text(full);
    }
    full.resize(length);  // the room it asks for, its terminating NUL included
  }
}

std::string SystemErrorText(SystemError error) {
  wchar_t* text = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(error), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  if (length == 0) return "System error " + std::to_string(error);
  std::wstring_view shown(text, length);
  while (!shown.empty() && (shown.back() == L'.' || shown.back() <= L' ')) shown.remove_suffix(1);
  std::string utf8 = Utf8Text(shown);
  ::LocalFree(text);
  return utf8;
}

}  // namespace kvl::core
