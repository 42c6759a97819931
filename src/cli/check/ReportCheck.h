#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include <core/ReportFile.h>
#include <core/ReportLoader.h>
#include <core/ResultColumns.h>

#include "PassNumbers.h"

namespace kvl::cli {

// How many findings of each kind check shows.
inline constexpr std::size_t kMostShown = 10;

// Everything a user needs to trust what the tool and the window make of a report: how it was
// read, which of its lines became passes, and what the sort would refuse.
struct ReportCheck {
  struct Refusal {
    std::size_t pass = 0;  // the pass number the tool gives it, from 1
    std::string text;      // UTF-8
  };
  // The cells of one result column that its sort conversion refuses: how many, and the first
  // kMostShown of them.
  struct Refusals {
    std::size_t count = 0;
    std::vector<Refusal> first;
  };

  // The first results header.
  struct Header {
    std::size_t line = 0;  // from 1
    core::HeaderLanguage language = core::HeaderLanguage::kRussian;
    std::vector<std::string> captions;  // UTF-8; none when the line is no caption row
  };

  core::ReportFile::Encoding encoding = core::ReportFile::Encoding::Ansi;
  // Read as the ANSI code page, for want of a byte-order mark, the text is well-formed UTF-8
  // beyond ASCII (LooksLikeUtf8): what an editor saves, and its texts come out wrong.
  bool utf8WithoutMark = false;
  std::optional<Header> header;
  std::size_t passes = 0;
  // Lines after the header that the loader skips: not data rows, and further header lines.
  std::vector<std::size_t> skippedLines;
  // Lines the loader stores as passes although they do not look like data rows.
  std::vector<std::size_t> oddStoredLines;
  PassNumbers numbers;
  std::array<Refusals, core::kResultColumns.size()>
      refusals;  // by column id; the index never fails

  // A header was found, the text is not UTF-8 read as ANSI, every cell converts, and every pass
  // number is a number with no gap.
  bool Clean() const;
};

// Loads the report that the argument `report` names (a path, or "-" for standard input) and
// gathers the findings from what the load tells of each line. Raises as ReportInput::Read does
// when it cannot be read.
ReportCheck CheckReport(const std::string& report);

}  // namespace kvl::cli
