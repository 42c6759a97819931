#pragma once

#include <windows.h>

namespace kvl::core {

// Owns an open file handle and closes it when it goes; INVALID_HANDLE_VALUE owns nothing.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
  ~FileHandle() {
    if (IsOpen()) ::CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;

  HANDLE get() const { return handle_; }
  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

  // Owns `handle` from now on, closing what it owned before.
  void Reset(HANDLE handle) {
    if (IsOpen()) ::CloseHandle(handle_);
    handle_ = handle;
  }

  // Closes now; false when closing failed, since a network share may report a failed write only
  // here.
  bool Close() {
    const BOOL closed = ::CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
    return closed != FALSE;
  }

 private:
  HANDLE handle_;
};

}  // namespace kvl::core
