#include "ReportFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "CodePage.h"
#include "Exceptions.h"
#include "FileDescriptor.h"
#include "FileError.h"

namespace {

[[noreturn]] void RefuseOpen(const std::string& path, int errorNumber) {
  throw EFOpenError(FileErrorMessage("open", path, errorNumber));
}

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

  // Only the size the file had when it was opened is read: a writer that keeps appending can
  // neither keep the load running nor make it take ever more memory.
  TextBuffer bytes(static_cast<std::size_t>(info.st_size));
  std::size_t filled = 0;
  while (filled < bytes.capacity()) {
    const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.capacity() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) RefuseOpen(path, errno);
    if (got == 0) break;  // it has been cut meanwhile
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
