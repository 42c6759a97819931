#include "EncodingName.h"

#include <core/CodePage.h>

namespace kvl::cli {

std::string EncodingName(core::ReportFile::Encoding encoding) {
  switch (encoding) {
    case core::ReportFile::Encoding::Utf8:
      return "UTF-8";
    case core::ReportFile::Encoding::Utf16LE:
      return "UTF-16 little-endian";
    case core::ReportFile::Encoding::Utf16BE:
      return "UTF-16 big-endian";
    case core::ReportFile::Encoding::Ansi:
      break;
  }
  return core::AnsiCodePageName();
}

}  // namespace kvl::cli
