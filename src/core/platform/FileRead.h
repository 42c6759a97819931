#pragma once

#include <cstddef>
#include <string>

#include <core/TextBuffer.h>

namespace kvl::core {

// The bytes of a file as read, up to the size it had when it was opened.
struct FileBytes {
  TextBuffer bytes;
  std::size_t size = 0;
};

// Reads the regular file at `path` (UTF-8). Raises EFOpenError ("Cannot open file "<full path>".
// <system text>") when it cannot be opened or read, and NotARegularFileMessage for a pipe or a
// device.
FileBytes ReadRegularFile(const std::string& path);

}  // namespace kvl::core
