#include <windows.h>

#include <core/platform/FileErrorParts.h>

#include "FullWidePath.h"
#include "WideText.h"

namespace kvl::core {

std::string FullPath(const std::string& path) {
  return Utf8Text(FullWidePath(WideText(path)));
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
