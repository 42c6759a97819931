#pragma once

#include <filesystem>
#include <string>

namespace kvl::cli {

// The full form of `path` in quotes, UTF-8, as the tool's messages name a file it would write.
std::string QuotedPath(const std::filesystem::path& path);

}  // namespace kvl::cli
