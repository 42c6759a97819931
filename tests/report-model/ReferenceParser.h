#pragma once

#include <string_view>

#include <core/PassTable.h>

// The row format of the optimization report read the plain way, by position arithmetic on 1-based
// positions where 0 means "not found": the reference that the loader's one-pass scan is tested
// and fuzzed against. None of them ever fails: a line without the expected markers gives empty
// or shifted fields.

// The substring from `start` (raised to 1 when below) of at most `count` bytes, clamped to the
// text; empty when start lies past the end or count < 1.
kvl::core::AnsiString SubStr(std::string_view text, long long start, long long count);

// The parameter text of a row: from the second byte after the first "<td title=" up to the first
// "</td>" of the line.
kvl::core::AnsiString ExtractTitle(std::string_view line);

// Everything after the first "<td class=mspt>" (the line less its first 14 bytes without one).
kvl::core::AnsiString TailAfterFirstMspt(std::string_view line);

// Cuts a report line into a pass record whose fields point into `line`; Index stays empty.
kvl::core::PassRecord ParseReportRow(std::string_view line);
