#pragma once

#include <string>

// The failures whose text the system supplies to a file error's message.
enum class Failure {
  kNoSuchFile,
  kNoSuchFolder,
  kIsAFolder,
  kAccessDenied,
};

// The system's own text for the failure as the core reports it on this system.
std::string SystemText(Failure failure);
