#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

#include "GeneratedPasses.h"
#include "ReportLanguage.h"

// Synthetic MT4 optimization reports for tests and benchmarks, laid out as MT4 saves them:
// CR LF after every line, no byte-order mark; styles, a summary table and the chart image, the
// results header, one row per pass (GeneratePasses), then "</table>" and the closing tags. The
// head is written in the terminal's language and its code page (Russian and Windows-1251 unless
// told otherwise); the rows are the same in every language. A row of 15 inputs is about 600
// bytes, so 120000 passes make 50-90 MB.

// Every line up to and including the results header.
std::string ReportHead(ReportLanguage language = ReportLanguage::kRussian);
// The results header alone, without its line break.
std::string ResultsHeaderLine(ReportLanguage language = ReportLanguage::kRussian);
// The data row of `pass`; rows alternate between two backgrounds by `rowIndex` (from 0).
std::string ReportRow(const GeneratedPass& pass, std::size_t rowIndex);
// The same row without its line break.
std::string ReportRowLine(const GeneratedPass& pass, std::size_t rowIndex);
// "</table>" and the closing tags.
std::string ReportTail();

// The Params text that the loader keeps for `pass`: the title, the attribute's closing quote,
// ">" and the pass number.
std::string StoredParams(const GeneratedPass& pass);

void WriteReport(std::ostream& out, std::size_t passes, std::uint64_t seed = 1,
                 ReportLanguage language = ReportLanguage::kRussian);
std::string GenerateReport(std::size_t passes, std::uint64_t seed = 1,
                           ReportLanguage language = ReportLanguage::kRussian);
// Raises std::runtime_error naming the path when the file cannot be written.
void WriteReportFile(const std::string& path, std::size_t passes, std::uint64_t seed = 1,
                     ReportLanguage language = ReportLanguage::kRussian);
