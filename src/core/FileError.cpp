#include "FileError.h"

#include <core/platform/FileErrorParts.h>

namespace kvl::core {

namespace {

std::string Message(const char* action, const std::string& path, const std::string& why) {
  return std::string("Cannot ") + action + " file \"" + FullPath(path) + "\". " + why;
}

}  // namespace

std::string FileErrorMessage(const char* action, const std::string& path, SystemError error) {
  return Message(action, path, SystemErrorText(error));
}

std::string NotARegularFileMessage(const std::string& path) {
  return Message("open", path, "It is not a regular file");
}

}  // namespace kvl::core
