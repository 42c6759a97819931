#include "SetFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "Exceptions.h"
#include "FileError.h"

void WriteSetFile(const std::string& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) throw EFCreateError(FileErrorMessage("create", path, errno));
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      const int error = written < 0 ? errno : EIO;
      ::close(fd);
      throw EWriteError(FileErrorMessage("write", path, error));
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  // Some file systems report a failed write only when the file is closed.
  if (::close(fd) != 0) throw EWriteError(FileErrorMessage("write", path, errno));
}
