#pragma once

#include <unistd.h>

namespace kvl::core {

// Owns an open file descriptor and closes it when it goes; -1 owns nothing.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;

  int get() const { return fd_; }
  bool IsOpen() const { return fd_ >= 0; }

  // Owns `fd` from now on, closing what it owned before.
  void Reset(int fd) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }

  // Closes now; returns close()'s result, since some file systems report a failed write only here.
  int Close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

}  // namespace kvl::core
