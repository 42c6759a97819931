#include <windows.h>

#include <algorithm>

#include <core/Exceptions.h>
#include <core/FileError.h>
#include <core/platform/FileRead.h>

#include "FileHandle.h"
#include "WideText.h"

namespace kvl::core {

namespace {

[[noreturn]] void RefuseOpen(const std::string& path, DWORD error) {
  throw EFOpenError(FileErrorMessage("open", path, error));
}

}  // namespace

FileBytes ReadRegularFile(const std::string& path) {
  // Others may read the report meanwhile, but not write it.
  FileHandle file(::CreateFileW(WideText(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsOpen()) RefuseOpen(path, ::GetLastError());
  // Devices and pipes have no end to read up to.
  if (::GetFileType(file.get()) != FILE_TYPE_DISK) throw EFOpenError(NotARegularFileMessage(path));
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size)) RefuseOpen(path, ::GetLastError());

  // Only the size the file had when it was opened is read: a writer that keeps appending can
  // neither keep the load running nor make it take ever more memory.
  FileBytes read{TextBuffer(static_cast<std::size_t>(size.QuadPart))};
  while (read.size < read.bytes.capacity()) {
    const DWORD want =
        static_cast<DWORD>(std::min<std::size_t>(read.bytes.capacity() - read.size, 1u << 30));
    DWORD got = 0;
    if (!::ReadFile(file.get(), read.bytes.data() + read.size, want, &got, nullptr))
      RefuseOpen(path, ::GetLastError());
    if (got == 0) break;  // it has been cut meanwhile
    read.size += got;
  }
  return read;
}

}  // namespace kvl::core
