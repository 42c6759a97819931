#pragma once

#include <cstddef>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>

#include <core/PassTable.h>

#include "FileNameTemplate.h"
#include "SetFileTemplate.h"

namespace kvl::cli {

// Where and how the export of many passes writes their set files.
struct BatchExport {
  std::filesystem::path folder;  // created when missing
  FileNameTemplate names;
  bool force = false;                          // replace existing files
  std::optional<SetFileTemplate> setTemplate;  // the user's set file
};

// Writes the set file of every row listed in `slots`, in that order, into the folder and names
// each file written on `out`. Before anything is written it makes sure that every name is a file
// name no longer than kMaxFileNameBytes, that no two rows share one, and, without force, that none
// exists; it raises an Exception naming the file otherwise. A failure to write names the file and
// stops; the files written before it stay, each whole (each is written to a temporary file and
// renamed). The new files reach the disk together at the end (SetFileBatch).
void ExportSetFiles(const core::PassTable& table, std::span<const std::size_t> slots,
                    const BatchExport& batch, std::ostream& out);

}  // namespace kvl::cli
