#include "QuotedPath.h"

#include <core/Utf8Path.h>

namespace kvl::cli {

std::string QuotedPath(const std::filesystem::path& path) {
  return "\"" + core::Utf8FromPath(std::filesystem::absolute(path).lexically_normal()) + "\"";
}

}  // namespace kvl::cli
