#include "BatchExport.h"

#include <ostream>
#include <system_error>
#include <unordered_map>
#include <vector>

#include <cli/rows/ListedColumns.h>
#include <core/Exceptions.h>
#include <core/SetFile.h>
#include <core/Utf8Path.h>

#include "PortableFileName.h"
#include "QuotedPath.h"
#include "ReplacedFiles.h"
#include "SetFileTemplate.h"

namespace kvl::cli {

namespace fs = std::filesystem;

namespace {

std::string PassOf(const core::PassTable& table, std::size_t slot) {
  return "pass " + std::string(std::string_view(table[slot].Index));
}

// The path of every row's file, checked before anything is written.
std::vector<fs::path> PlannedFiles(const core::PassTable& table, std::span<const std::size_t> slots,
                                   const BatchExport& batch) {
  std::vector<fs::path> files;
  std::unordered_map<std::string, std::size_t> rowOfName;
  for (const std::size_t slot : slots) {
    const std::string name = batch.names.NameFor(table, slot);
    if (name.empty() || name == "." || name == "..") {
      throw core::Exception("The name template gives " + PassOf(table, slot) + " the file name \"" +
                            name + "\", which names no file");
    }
    if (name.size() > kMaxFileNameBytes) {
      throw core::Exception("The name template gives " + PassOf(table, slot) + " the file name \"" +
                            name + "\", longer than the " + std::to_string(kMaxFileNameBytes) +
                            " bytes a file name may hold");
    }
    const auto [it, fresh] = rowOfName.emplace(name, slot);
    if (!fresh) {
      throw core::Exception("The name template gives " + PassOf(table, it->second) + " and " +
                            PassOf(table, slot) + " the same file " +
                            QuotedPath(batch.folder / core::PathFromUtf8(name)) +
                            "; put {index} into it");
    }
    files.push_back(batch.folder / core::PathFromUtf8(name));
  }
  if (!batch.force) RefuseReplacingFiles(files, batch.setTemplate);
  return files;
}

void CreateFolder(const fs::path& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (error || !fs::is_directory(folder)) {
    const std::string why = error ? error.message() : "A file of that name exists";
    throw core::EFCreateError("Cannot create folder " + QuotedPath(folder) + ". " + why);
  }
}

}  // namespace

void ExportSetFiles(const core::PassTable& table, std::span<const std::size_t> slots,
                    const BatchExport& batch, std::ostream& out) {
  const std::vector<fs::path> files = PlannedFiles(table, slots, batch);
  CreateFolder(batch.folder);
  core::SetFileBatch written(core::Utf8FromPath(batch.folder));
  for (std::size_t k = 0; k < slots.size(); ++k) {
    const std::string file = core::Utf8FromPath(files[k]);
    written.Write(file, PassSetFileText(RowParams(table, slots[k]), batch.setTemplate));
    out << file << '\n';
  }
  written.Finish();
}

}  // namespace kvl::cli
