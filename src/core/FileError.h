#pragma once

#include <string>

namespace kvl::core {

// A failure's code as the system gives it: errno on POSIX systems, GetLastError() on Windows.
using SystemError = unsigned long;

// `Cannot <action> file "<full path>". <system text for error>`, the text file errors carry.
std::string FileErrorMessage(const char* action, const std::string& path, SystemError error);

}  // namespace kvl::core
