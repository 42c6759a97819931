#pragma once

#include <string>

#include <core/FileError.h>

namespace kvl::core {

// The parts of a file error's message that the system knows, in UTF-8.

// The full form of `path`; `path` itself where the system cannot tell.
std::string FullPath(const std::string& path);

// The system's own text for `error`, without a final period or line break.
std::string SystemErrorText(SystemError error);

}  // namespace kvl::core
