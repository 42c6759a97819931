#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace kvl::core {

// Writes `bytes` as the file at `path` (UTF-8), creating it or replacing an existing one whole or
// not at all: the bytes go to a new file in the same folder, reach the disk, and are then renamed
// over the old one, which keeps its permissions. A symlink at `path` is followed and the file it
// points to replaced. Where the folder allows no new file or no replacement but the existing file
// is writable, the file is written in place; devices and pipes are always written in place. On
// Windows the replacement keeps the old file's attributes and security, and a read-only file or
// one that another program holds open without sharing is refused.
//
// Raises EFCreateError ("Cannot create file "<full path>". <system text>") when the file cannot
// be created or replaced and EWriteError ("Cannot write file ...") when writing fails. Messages
// name `path` as given, links unresolved, and a failure leaves no temporary file behind.
void WriteSetFile(const std::string& path, std::string_view bytes);

// Set files written into one folder that reach the disk together: each is written as
// WriteSetFile writes it, whole or not at all under its name, but a new file placed right in the
// folder is not synced on its own. Finish then syncs the folder's whole file system at once,
// which costs about what one file's sync does instead of two syncs per file.
//
// What waits is only the disk. A failure or a killed process still leaves every name either
// absent or whole, and a file that existed is synced before it is replaced, as WriteSetFile does,
// so no crash can cost it. A power cut before Finish can leave a new file empty or missing. The
// sync also writes out whatever else is pending on that file system, which costs time, not
// safety. When the folder cannot be opened, every file is synced on its own, and on Windows, which
// has no such sync, every file always is.
class SetFileBatch {
 public:
  // `folder` exists; opened first, so that Finish hears of every failed write after it.
  explicit SetFileBatch(const std::string& folder);
  // Syncs what was written when Finish was not reached, as after a failure, quietly.
  ~SetFileBatch();
  SetFileBatch(const SetFileBatch&) = delete;
  SetFileBatch& operator=(const SetFileBatch&) = delete;

  // WriteSetFile, with a new file at `path` in the folder left to Finish.
  void Write(const std::string& path, std::string_view bytes);
  // Puts every file written on the disk; raises EWriteError ("Cannot write the files in folder
  // "<full path>". <system text>") when the system reports that a write failed.
  void Finish();

 private:
  struct Folder;  // what the system needs to sync the folder's files at once
  std::unique_ptr<Folder> folder_;
};

}  // namespace kvl::core
