#pragma once

#include <string>

namespace kvl::core {

// The full form of `path` as the system resolves it: absolute, with backslashes; `path` itself
// where the system cannot tell.
std::wstring FullWidePath(const std::wstring& path);

}  // namespace kvl::core
