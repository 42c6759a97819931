#include <cstring>
#include <filesystem>
#include <system_error>

#include <core/platform/FileErrorParts.h>

namespace kvl::core {

std::string FullPath(const std::string& path) {
  std::error_code ignored;
  const std::filesystem::path full = std::filesystem::absolute(path, ignored);
  return full.empty() ? path : full.string();
}

std::string SystemErrorText(SystemError error) {
  return std::strerror(static_cast<int>(error));
}

}  // namespace kvl::core
