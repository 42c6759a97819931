#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>

#include "GeneratedPasses.h"

// Synthetic MT4 optimization reports for tests and benchmarks, laid out as MT4 saves them:
// Windows-1251, CR LF after every line, no byte-order mark; styles, a summary table and the
// chart image, the Russian results header, one row per pass (GeneratePasses), then "</table>"
// and the closing tags. A row of 15 inputs is about 600 bytes, so 120000 passes make 50-90 MB.

// Every line up to and including the results header.
std::string ReportHead();
// The results header alone, without its line break.
std::string ResultsHeaderLine();
// The data row of `pass`; rows alternate between two backgrounds by `rowIndex` (from 0).
std::string ReportRow(const GeneratedPass& pass, std::size_t rowIndex);
// The same row without its line break.
std::string ReportRowLine(const GeneratedPass& pass, std::size_t rowIndex);
// "</table>" and the closing tags.
std::string ReportTail();

// The Params text that the loader keeps for `pass`: the title, the attribute's closing quote,
// ">" and the pass number.
std::string StoredParams(const GeneratedPass& pass);

void WriteReport(std::ostream& out, std::size_t passes, std::uint64_t seed = 1);
std::string GenerateReport(std::size_t passes, std::uint64_t seed = 1);
// Raises std::runtime_error naming the path when the file cannot be written.
void WriteReportFile(const std::string& path, std::size_t passes, std::uint64_t seed = 1);
