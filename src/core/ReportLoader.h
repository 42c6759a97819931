#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "PassTable.h"
#include "ReportFile.h"
#include "resultsheader/HeaderLanguage.h"

namespace kvl::core {

// Told, as a load reads, what it makes of each line of the report, numbered from 1: a results
// header (the first one, or a further one, which the load passes over), a line it skips (every
// line before the first header, and every later one that is no data row) or a line it stores as
// the next pass. Every line is told once, in order.
class ReportLineListener {
 public:
  // Before any line: how the report's text was decoded.
  virtual void TextEncoding(ReportFile::Encoding encoding) = 0;
  // `text` is the header line in the ANSI code page, held only during the call; a further header
  // is told with the language of the first.
  virtual void Header(std::size_t line, HeaderLanguage language, std::string_view text) = 0;
  virtual void Skipped(std::size_t line) = 0;
  // `text` is the line in the ANSI code page and `pass` its fields, Index still empty. Both hold
  // the report's bytes only during the call: the pass's number is written over the line's start.
  virtual void Stored(std::size_t line, std::string_view text, const PassRecord& pass) = 0;

 protected:
  ~ReportLineListener() = default;
};

// Reads the report at `path`, stores its data rows as passes numbered from 1 in file order into
// slots 0 to n-1 of `table`, and returns n. Later slots keep whatever they held. The table keeps
// the report's text, and the passes' fields point into it. A load that fails (EFOpenError when
// the file cannot be opened, std::bad_alloc without memory) leaves the table as it was.
int LoadReport(const std::string& path, PassTable& table);

// The same, telling `listener` about every line.
int LoadReport(const std::string& path, PassTable& table, ReportLineListener& listener);

// The same for a report already read, such as from standard input; it only fails for want of
// memory.
int LoadReport(ReportFile file, PassTable& table);
int LoadReport(ReportFile file, PassTable& table, ReportLineListener& listener);

}  // namespace kvl::core
