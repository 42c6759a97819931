#include "BatchExport.h"

#include <ostream>
#include <system_error>
#include <unordered_map>
#include <vector>

#include <cli/rows/ListedColumns.h>
#include <cli/translation/Translation.h>
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

std::string_view PassOf(const core::PassTable& table, std::size_t slot) {
  return table[slot].Index;
}

// The path of every row's file, checked before anything is written.
std::vector<fs::path> PlannedFiles(const core::PassTable& table, std::span<const std::size_t> slots,
                                   const BatchExport& batch) {
  std::vector<fs::path> files;
  std::unordered_map<std::string, std::size_t> rowOfName;
  for (const std::size_t slot : slots) {
    const std::string name = batch.names.NameFor(table, slot);
    if (name.empty() || name == "." || name == "..") {
      throw core::Exception(
          Tr("The name template gives pass {1} the file name \"{2}\", which names no file",
             {PassOf(table, slot), name}));
    }
    if (name.size() > kMaxFileNameBytes) {
      throw core::Exception(
          Tr("The name template gives pass {1} the file name \"{2}\", longer than the {3} bytes a "
             "file name may hold",
             {PassOf(table, slot), name, std::to_string(kMaxFileNameBytes)}));
    }
    const auto [it, fresh] = rowOfName.emplace(name, slot);
    if (!fresh) {
      throw core::Exception(
          // TRANSLATORS: {index} stays as it is: the user writes it into the name template.
          Tr("The name template gives pass {1} and pass {2} the same file {3}; put {index} into it",
             {PassOf(table, it->second), PassOf(table, slot),
              QuotedPath(batch.folder / core::PathFromUtf8(name))}));
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
    const std::string why = error ? error.message() : Tr("A file of that name exists");
    // TRANSLATORS: {2} is the system's reason, such as "Permission denied".
    throw core::EFCreateError(Tr("Cannot create folder {1}. {2}", {QuotedPath(folder), why}));
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
