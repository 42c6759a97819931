#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <core/Exceptions.h>
#include <core/FileError.h>
#include <core/platform/FileRead.h>

#include "FileDescriptor.h"

namespace kvl::core {

namespace {

[[noreturn]] void RefuseOpen(const std::string& path, int errorNumber) {
  throw EFOpenError(FileErrorMessage("open", path, errorNumber));
}

}  // namespace

FileBytes ReadRegularFile(const std::string& path) {
  // Non-blocking, so that a FIFO chosen by mistake cannot hang the open.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.get() < 0) RefuseOpen(path, errno);
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) RefuseOpen(path, errno);
  if (S_ISDIR(info.st_mode)) RefuseOpen(path, EISDIR);
  // Devices and pipes have no end to read up to.
  if (!S_ISREG(info.st_mode)) throw EFOpenError(NotARegularFileMessage(path));

  // Only the size the file had when it was opened is read: a writer that keeps appending can
  // neither keep the load running nor make it take ever more memory.
  FileBytes read{TextBuffer(static_cast<std::size_t>(info.st_size))};
  while (read.size < read.bytes.capacity()) {
    const ssize_t got =
        ::read(file.get(), read.bytes.data() + read.size, read.bytes.capacity() - read.size);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) RefuseOpen(path, errno);
    if (got == 0) break;  // it has been cut meanwhile
    read.size += static_cast<std::size_t>(got);
  }
  return read;
}

}  // namespace kvl::core
