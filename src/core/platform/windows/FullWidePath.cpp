#include "FullWidePath.h"

#include <windows.h>

namespace kvl::core {

std::wstring FullWidePath(const std::wstring& path) {
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) return path;
    if (length < full.size()) {
      full.resize(length);
      return full;
    }
    full.resize(length);  // the room it asks for, its terminating NUL included
  }
}

}  // namespace kvl::core
