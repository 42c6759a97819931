#include "ReportFile.h"

#include <core/platform/FileRead.h>

#include "CodePage.h"

namespace kvl::core {

namespace {

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
  FileBytes read = ReadRegularFile(path);
  return ClassifyReportBytes(std::move(read.bytes), read.size);
}

ReportFile ReportFileOfBytes(std::string_view bytes) {
  TextBuffer copy(bytes.size());
  bytes.copy(copy.data(), bytes.size());
  return ClassifyReportBytes(std::move(copy), bytes.size());
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

}  // namespace kvl::core
