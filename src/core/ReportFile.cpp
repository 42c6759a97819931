#include "ReportFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "CodePage.h"
#include "Exceptions.h"
#include "FileError.h"

namespace {

[[noreturn]] void RefuseOpen(const std::string& path, int errorNumber) {
  throw EFOpenError(FileErrorMessage("open", path, errorNumber));
}

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

std::u16string DecodeUtf16(std::string_view bytes, bool littleEndian) {
  std::u16string text(bytes.size() / 2 + bytes.size() % 2, u'\0');
  for (std::size_t k = 0; k + 1 < bytes.size(); k += 2) {
    const auto first = static_cast<unsigned char>(bytes[k]);
    const auto second = static_cast<unsigned char>(bytes[k + 1]);
    text[k / 2] = static_cast<char16_t>(littleEndian ? first | second << 8 : first << 8 | second);
  }
  if (bytes.size() % 2 != 0) text.back() = u'\uFFFD';
  return text;
}

// Chooses the decoding by byte-order mark; the mark itself is not part of the text.
ReportFile ClassifyReportBytes(TextBuffer bytes, std::size_t size) {
  struct Mark {
    std::string_view bytes;
    ReportFile::Encoding encoding;
  };
  static constexpr Mark kMarks[] = {
      {"\xEF\xBB\xBF", ReportFile::Encoding::Utf8},
      {"\xFF\xFE", ReportFile::Encoding::Utf16LE},
      {"\xFE\xFF", ReportFile::Encoding::Utf16BE},
  };
  const std::string_view text(bytes.data(), size);
  for (const Mark& mark : kMarks) {
    if (text.starts_with(mark.bytes)) {
      return {mark.encoding, std::move(bytes), text.substr(mark.bytes.size())};
    }
  }
  return {ReportFile::Encoding::Ansi, std::move(bytes), text};
}

}  // namespace

ReportFile ReadReportFile(const std::string& path) {
  // Non-blocking, so that a FIFO chosen by mistake cannot hang the open.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.get() < 0) RefuseOpen(path, errno);
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) RefuseOpen(path, errno);
  if (S_ISDIR(info.st_mode)) RefuseOpen(path, EISDIR);
  // Devices and pipes have no end to read up to.
  if (!S_ISREG(info.st_mode)) RefuseOpen(path, EINVAL);

  // One byte of slack lets the final read see the end without growing the buffer.
  TextBuffer bytes(static_cast<std::size_t>(info.st_size) + 1);
  std::size_t filled = 0;
  for (;;) {
    if (filled == bytes.capacity()) {  // the file has grown since it was measured
      TextBuffer larger(bytes.capacity() + bytes.capacity() / 2 + 65536);
      std::memcpy(larger.data(), bytes.data(), filled);
      bytes = std::move(larger);
    }
    const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.capacity() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) RefuseOpen(path, errno);
    if (got == 0) break;
    filled += static_cast<std::size_t>(got);
  }
  return ClassifyReportBytes(std::move(bytes), filled);
}

std::u16string DecodeUnicodeBody(const ReportFile& file) {
  switch (file.encoding) {
    case ReportFile::Encoding::Utf8:
      return Utf8ToUtf16(file.body);
    case ReportFile::Encoding::Utf16LE:
      return DecodeUtf16(file.body, true);
    case ReportFile::Encoding::Utf16BE:
      return DecodeUtf16(file.body, false);
    case ReportFile::Encoding::Ansi:
      break;
  }
  return AnsiToUtf16(file.body);
}
