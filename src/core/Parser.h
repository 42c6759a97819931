#pragma once

#include <string_view>

#include "PassTable.h"

// Text operations that understand one line of the optimization report. Positions are 1-based,
// 0 means "not found", and none of them ever fails: a line without the expected markers gives
// empty or shifted fields.

// The substring from `start` (raised to 1 when below) of at most `count` bytes, clamped to the
// text; empty when start lies past the end or count < 1.
AnsiString SubStr(std::string_view text, long long start, long long count);

// The parameter text of a row: from the second byte after the first "<td title=" up to the first
// "</td>" of the line.
AnsiString ExtractTitle(std::string_view line);

// Everything after the first "<td class=mspt>" (the line less its first 14 bytes without one).
AnsiString TailAfterFirstMspt(std::string_view line);

// Cuts a report line into a pass record whose fields point into `line`; Index stays empty.
CItem_OPT ParseReportRow(std::string_view line);

// Turns every ';' and the byte after it into CR LF. A ';' in the last position becomes CR LF,
// making the result one byte longer.
AnsiString FormatParameters(std::string_view params);
