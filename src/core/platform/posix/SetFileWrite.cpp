#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>

#include <core/Exceptions.h>
#include <core/FileError.h>
#include <core/SetFile.h>

#include "FileDescriptor.h"

namespace kvl::core {

namespace {

namespace fs = std::filesystem;

// As many links as the system itself follows in one path before it gives up with ELOOP.
constexpr int kMaxLinkHops = 40;

[[noreturn]] void RefuseCreate(const std::string& path, int errorNumber) {
  throw EFCreateError(FileErrorMessage("create", path, errorNumber));
}

[[noreturn]] void RefuseWrite(const std::string& path, int errorNumber) {
  throw EWriteError(FileErrorMessage("write", path, errorNumber));
}

// The file that `path` names once every symlink at its end is followed; a dangling link gives
// the path where its file would be created.
fs::path FollowLinks(const std::string& path) {
  fs::path current = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(current, error))) return current;
    const fs::path target = fs::read_symlink(current, error);
    if (error) return current;
    current = current.parent_path() / target;  // an absolute target replaces the whole path
  }
  RefuseCreate(path, ELOOP);
}

void WriteAll(int fd, std::string_view bytes, const std::string& path) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) RefuseWrite(path, written < 0 ? errno : EIO);
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

void WriteInPlace(const fs::path& file, std::string_view bytes, const std::string& path) {
  FileDescriptor fd(::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
  if (!fd.IsOpen()) RefuseCreate(path, errno);
  WriteAll(fd.get(), bytes, path);
  if (fd.Close() != 0) RefuseWrite(path, errno);
}

// A new file in the folder of `file` under an unused name, created with the modes a new file gets.
// The name is short and hidden, so that it fits wherever the file's own name does.
struct TemporaryFile {
  fs::path path;
  FileDescriptor fd;
  int error = 0;  // why it could not be created; 0 when it was
};

void CreateBeside(const fs::path& file, TemporaryFile& temp, std::random_device& random) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp.path = file.parent_path() / (".set-" + std::to_string(random()) + ".tmp");
    temp.fd.Reset(
        ::open(temp.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (temp.fd.IsOpen()) return;
    if (errno != EEXIST) break;
  }
  temp.error = errno;
}

bool FolderForbids(int errorNumber) {
  return errorNumber == EACCES || errorNumber == EPERM || errorNumber == EROFS;
}

// Writes the temporary file, through to the disk when `sync`, and renames it over `file`. False
// when the folder forbids the rename, as a sticky folder does for a file of another user.
bool ReplaceWith(TemporaryFile& temp, const fs::path& file, const std::optional<struct stat>& old,
                 std::string_view bytes, const std::string& path, bool sync) {
  WriteAll(temp.fd.get(), bytes, path);
  if (old) {
    // Keeping the owner takes privileges the user may not have; the mode is what matters.
    [[maybe_unused]] const int ignored = ::fchown(temp.fd.get(), old->st_uid, old->st_gid);
    if (::fchmod(temp.fd.get(), old->st_mode & 07777) != 0) RefuseCreate(path, errno);
  }
  if (sync && ::fsync(temp.fd.get()) != 0) RefuseWrite(path, errno);
  if (temp.fd.Close() != 0) RefuseWrite(path, errno);
  if (::rename(temp.path.c_str(), file.c_str()) == 0) return true;
  if (old && FolderForbids(errno)) return false;
  RefuseCreate(path, errno);
}

// The rename is only durable once the folder itself has reached the disk; a folder that cannot
// be synced still holds the new file, so a failure here is not the user's.
void SyncFolderOf(const fs::path& file) {
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.IsOpen()) ::fsync(fd.get());
}

// WriteSetFile's work, except that a file new at `path`, right in `deferredFolder`, is neither
// synced nor its folder: the caller syncs them with the rest of its batch.
void WriteWhole(const std::string& path, std::string_view bytes,
                const std::optional<fs::path>& deferredFolder, std::random_device& random) {
  const fs::path file = FollowLinks(path);
  std::optional<struct stat> old;
  if (struct stat info{}; ::stat(file.c_str(), &info) == 0) old = info;

  if (old && !S_ISREG(old->st_mode)) return WriteInPlace(file, bytes, path);
  // A file the user may not write is not replaced behind its back.
  if (old && ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0) RefuseCreate(path, errno);

  TemporaryFile temp;
  CreateBeside(file, temp, random);
  if (temp.error != 0) {
    if (old && FolderForbids(temp.error)) return WriteInPlace(file, bytes, path);
    RefuseCreate(path, temp.error);
  }
  const bool sync = old || file.parent_path() != deferredFolder;
  bool replaced = false;
  try {
    replaced = ReplaceWith(temp, file, old, bytes, path, sync);
  } catch (...) {
    ::unlink(temp.path.c_str());
    throw;
  }
  if (!replaced) {
    ::unlink(temp.path.c_str());
    return WriteInPlace(file, bytes, path);
  }
  if (sync) SyncFolderOf(file);
}

}  // namespace

void WriteSetFile(const std::string& path, std::string_view bytes) {
  std::random_device random;
  WriteWhole(path, bytes, std::nullopt, random);
}

struct SetFileBatch::Folder {
  std::string path;
  fs::path parent;
  FileDescriptor fd;
  // One for the batch: making one asks the processor what it offers, which is slow in a virtual
  // machine.
  std::random_device random;
};

SetFileBatch::SetFileBatch(const std::string& folder)
    : folder_(new Folder{folder,
                         // Spelt as the parent of a file in it, so that "sets/" compares equal
                         // to "sets".
                         (fs::path(folder) / "file").parent_path(),
                         FileDescriptor(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)),
                         {}}) {}

SetFileBatch::~SetFileBatch() {
  if (folder_->fd.IsOpen()) ::syncfs(folder_->fd.get());
}

void SetFileBatch::Write(const std::string& path, std::string_view bytes) {
  // Without the folder open, nothing could sync the batch as a whole.
  const bool deferred = folder_->fd.IsOpen();
  WriteWhole(path, bytes, deferred ? std::optional<fs::path>(folder_->parent) : std::nullopt,
             folder_->random);
}

void SetFileBatch::Finish() {
  if (!folder_->fd.IsOpen()) return;
  const int synced = ::syncfs(folder_->fd.get());
  const int error = errno;
  folder_->fd.Close();
  if (synced != 0) {
    std::error_code ignored;
    throw EWriteError("Cannot write the files in folder \"" +
                      fs::absolute(folder_->path, ignored).string() + "\". " +
                      std::strerror(error));
  }
}

}  // namespace kvl::core
