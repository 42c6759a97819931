#include "FileError.h"

#include <core/platform/FileErrorParts.h>

namespace kvl::core {

std::string FileErrorMessage(const char* action, const std::string& path, SystemError error) {
  return std::string("Cannot ") + action + " file \"" + FullPath(path) + "\". " +
         SystemErrorText(error);
}

}  // namespace kvl::core
