#pragma once

#include <string>
#include <string_view>

#include "TextBuffer.h"

namespace kvl::core {

// A report file's contents: its bytes as read, and how they decode.
struct ReportFile {
  enum class Encoding { Ansi, Utf8, Utf16LE, Utf16BE };

  Encoding encoding = Encoding::Ansi;
  TextBuffer bytes;
  // The bytes after the byte-order mark, in `bytes`.
  std::string_view body;
};

// Reads the file, up to the size it had when it was opened, and chooses its decoding by byte-order
// mark: UTF-8, UTF-16 LE, UTF-16 BE, else the ANSI code page. Raises EFOpenError ("Cannot open file
// "<full path>". <system text>", or "It is not a regular file") when it cannot be opened or is not a
// regular file.
ReportFile ReadReportFile(const std::string& path);

// The same for bytes read elsewhere, such as from a pipe: they are copied, and their decoding is
// chosen as a file's is.
ReportFile ReportFileOfBytes(std::string_view bytes);

// The body as UTF-16; malformed UTF-8 and an odd trailing byte of UTF-16 become U+FFFD.
std::u16string DecodeUnicodeBody(const ReportFile& file);

}  // namespace kvl::core
