#include "FileError.h"

#include <cstring>
#include <filesystem>
#include <system_error>

std::string FileErrorMessage(const char* action, const std::string& path, int errorNumber) {
  std::error_code ignored;
  const std::filesystem::path full = std::filesystem::absolute(path, ignored);
  const std::string shown = full.empty() ? path : full.string();
  return std::string("Cannot ") + action + " file \"" + shown + "\". " + std::strerror(errorNumber);
}
