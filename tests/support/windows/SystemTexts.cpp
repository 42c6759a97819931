#include "SystemTexts.h"

#include <windows.h>

#include <core/platform/FileErrorParts.h>

using namespace kvl::core;

std::string SystemText(Failure failure) {
  switch (failure) {
    case Failure::kNoSuchFile:
      return SystemErrorText(ERROR_FILE_NOT_FOUND);
    case Failure::kNoSuchFolder:
      return SystemErrorText(ERROR_PATH_NOT_FOUND);
    case Failure::kIsAFolder:
    case Failure::kAccessDenied:
      break;
  }
  return SystemErrorText(ERROR_ACCESS_DENIED);
}
