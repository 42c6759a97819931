#pragma once

#include <filesystem>
#include <optional>
#include <span>

#include "SetFileTemplate.h"

namespace kvl::cli {

// Raises an Exception when writing `files` would replace a file that exists, so that nothing is
// replaced without --force: it names the template when that is one of them, else the first file
// that exists and how many more do. A device or a pipe is written into, not replaced, and a
// dangling link creates its target: neither is refused.
void RefuseReplacingFiles(std::span<const std::filesystem::path> files,
                          const std::optional<SetFileTemplate>& setTemplate);

}  // namespace kvl::cli
