#include <windows.h>

#include <algorithm>
#include <random>

#include <core/Exceptions.h>
#include <core/FileError.h>
#include <core/SetFile.h>

#include "FileHandle.h"
#include "FullWidePath.h"
#include "WideText.h"

namespace kvl::core {

namespace {

[[noreturn]] void RefuseCreate(const std::string& path, DWORD error) {
  throw EFCreateError(FileErrorMessage("create", path, error));
}

[[noreturn]] void RefuseWrite(const std::string& path, DWORD error) {
  throw EWriteError(FileErrorMessage("write", path, error));
}

void WriteAll(HANDLE file, std::string_view bytes, const std::string& path) {
  while (!bytes.empty()) {
    const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), want, &written, nullptr))
      RefuseWrite(path, ::GetLastError());
    if (written == 0) RefuseWrite(path, ERROR_WRITE_FAULT);
    bytes.remove_prefix(written);
  }
}

// Writes over the file that `existing` holds open, from its start, and cuts it to the new length.
void WriteInPlace(FileHandle& existing, std::string_view bytes, const std::string& path) {
  if (::GetFileType(existing.get()) == FILE_TYPE_DISK && !::SetEndOfFile(existing.get()))
    RefuseWrite(path, ::GetLastError());
  WriteAll(existing.get(), bytes, path);
  if (!existing.Close()) RefuseWrite(path, ::GetLastError());
}

// A new file beside `file` under an unused name.
struct TemporaryFile {
  std::wstring path;
  FileHandle handle;
  DWORD error = ERROR_SUCCESS;  // why it could not be created
};

void CreateBeside(const std::wstring& file, TemporaryFile& temp) {
  const std::size_t slash = file.find_last_of(L"\\/:");
  const std::wstring folder = slash == std::wstring::npos ? L"" : file.substr(0, slash + 1);
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp.path = folder + L".set-" + std::to_wstring(random()) + L".tmp";
    temp.handle.Reset(::CreateFileW(temp.path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
    if (temp.handle.IsOpen()) return;
    if (::GetLastError() != ERROR_FILE_EXISTS) break;
  }
  temp.error = ::GetLastError();
}

bool FolderForbids(DWORD error) {
  return error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT;
}

// Writes the temporary file through to the disk and puts it in place of `file`: the replaced
// file's attributes, security and creation time go over to it.
void ReplaceWith(TemporaryFile& temp, const std::wstring& file, bool exists, std::string_view bytes,
                 const std::string& path) {
  WriteAll(temp.handle.get(), bytes, path);
  if (!::FlushFileBuffers(temp.handle.get())) RefuseWrite(path, ::GetLastError());
  if (!temp.handle.Close()) RefuseWrite(path, ::GetLastError());
  const BOOL placed = exists ? ::ReplaceFileW(file.c_str(), temp.path.c_str(), nullptr,
                                              REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                             : ::MoveFileExW(temp.path.c_str(), file.c_str(),
                                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  if (!placed) RefuseCreate(path, ::GetLastError());
}

}  // namespace

void WriteSetFile(const std::string& path, std::string_view bytes) {
  // ReplaceFileW fails on a relative path or one with "/" ("The directory name is invalid"), and
  // the temporary file is made in the folder that the path names.
  const std::wstring file = FullWidePath(WideText(path));
  // Opening the existing file as the writer would tells whether it may be replaced: a read-only
  // file, or one that another program holds open, is refused with the system's reason.
  FileHandle existing(::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  if (const DWORD error = ::GetLastError(); !existing.IsOpen() && error != ERROR_FILE_NOT_FOUND)
    RefuseCreate(path, error);
  if (existing.IsOpen() && ::GetFileType(existing.get()) != FILE_TYPE_DISK)
    return WriteInPlace(existing, bytes, path);

  TemporaryFile temp;
  CreateBeside(file, temp);
  if (!temp.handle.IsOpen()) {
    if (existing.IsOpen() && FolderForbids(temp.error)) return WriteInPlace(existing, bytes, path);
    RefuseCreate(path, temp.error);
  }
  const bool exists = existing.IsOpen();
  if (exists) existing.Close();  // the replacement needs the file unshared
  try {
    ReplaceWith(temp, file, exists, bytes, path);
  } catch (...) {
    temp.handle.Reset(INVALID_HANDLE_VALUE);
    ::DeleteFileW(temp.path.c_str());
    throw;
  }
}

// Windows has no sync of a whole file system that a user may call, so each file of a batch is
// synced on its own, as WriteSetFile does.
struct SetFileBatch::Folder {};

SetFileBatch::SetFileBatch(const std::string&) : folder_(std::make_unique<Folder>()) {}

SetFileBatch::~SetFileBatch() = default;

void SetFileBatch::Write(const std::string& path, std::string_view bytes) {
  WriteSetFile(path, bytes);
}

void SetFileBatch::Finish() {}

}  // namespace kvl::core
