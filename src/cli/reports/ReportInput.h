#pragma once

#include <optional>
#include <string>

#include <core/ReportFile.h>

namespace kvl::cli {

// A report as the user names it: the path of a file, or "-" for standard input.
class ReportInput {
 public:
  explicit ReportInput(std::string argument);

  // How messages name the report: the path as given, or "standard input".
  std::string Name() const;

  // The report's bytes, read as the core reads a file's. Standard input is read whole the first
  // time and its bytes kept, since a load may need them again. Raises EFOpenError when the file
  // cannot be opened, Exception when standard input cannot be read.
  core::ReportFile Read();

 private:
  std::string argument_;
  std::optional<std::string> standardInput_;
};

}  // namespace kvl::cli
