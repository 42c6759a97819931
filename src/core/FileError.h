#pragma once

#include <string>

namespace kvl::core {

// A failure's code as the system gives it: errno on POSIX systems, GetLastError() on Windows.
using SystemError = unsigned long;

// `Cannot <action> file "<full path>". <system text for error>`, the text file errors carry.
std::string FileErrorMessage(const char* action, const std::string& path, SystemError error);

// `Cannot open file "<full path>". It is not a regular file`: a pipe or a device, which the
// system would read without an end, or refuse with a reason that names neither.
std::string NotARegularFileMessage(const std::string& path);

}  // namespace kvl::core
