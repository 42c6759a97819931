#include "SystemTexts.h"

#include <cerrno>
#include <cstring>

std::string SystemText(Failure failure) {
  switch (failure) {
    case Failure::kNoSuchFile:
    case Failure::kNoSuchFolder:
      return std::strerror(ENOENT);
    case Failure::kIsAFolder:
      return std::strerror(EISDIR);
    case Failure::kAccessDenied:
      break;
  }
  return std::strerror(EACCES);
}
