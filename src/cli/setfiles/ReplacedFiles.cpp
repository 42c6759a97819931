#include "ReplacedFiles.h"

#include <string>
#include <system_error>

#include <cli/translation/Translation.h>
#include <core/Exceptions.h>
#include <core/Utf8Path.h>

#include "QuotedPath.h"

namespace kvl::cli {

namespace fs = std::filesystem;

namespace {

bool WouldBeReplaced(const fs::path& file) {
  std::error_code error;
  const fs::file_status status = fs::status(file, error);
  // A file that cannot be looked at is left to the write, which names the system's reason.
  return fs::exists(status) && !fs::is_character_file(status) && !fs::is_block_file(status) &&
         !fs::is_fifo(status);
}

bool IsTemplate(const fs::path& file, const std::optional<SetFileTemplate>& setTemplate) {
  std::error_code error;
  return setTemplate && fs::equivalent(file, core::PathFromUtf8(setTemplate->path), error);
}

}  // namespace

void RefuseReplacingFiles(std::span<const fs::path> files,
                          const std::optional<SetFileTemplate>& setTemplate) {
  std::size_t existing = 0;
  const fs::path* first = nullptr;
  for (const fs::path& file : files) {
    if (!WouldBeReplaced(file)) continue;
    if (IsTemplate(file, setTemplate)) {
      throw core::Exception(
          Tr("The file {1} is the template itself; --force replaces it", {QuotedPath(file)}));
    }
    if (++existing == 1) first = &file;
  }
  if (existing == 1) {
    throw core::Exception(Tr("The file {1} exists; --force replaces it", {QuotedPath(*first)}));
  }
  if (existing > 1) {
    const std::size_t more = existing - 1;
    throw core::Exception(TrCount("The file {1} and {2} more exist; --force replaces them",
                                  "The file {1} and {2} more exist; --force replaces them", more,
                                  {QuotedPath(*first), std::to_string(more)}));
  }
}

}  // namespace kvl::cli
