#pragma once

#include <cstddef>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include <cli/rows/ListedColumns.h>
#include <core/PassTable.h>

#include "OutputBuffer.h"

namespace kvl::cli {

// The list command's output formats. Each writes the rows of `table` listed in `slots`, in that
// order, with `columns`; texts go from the ANSI code page to UTF-8.
using ListWriter = void (*)(std::ostream& out, const core::PassTable& table,
                            std::span<const std::size_t> slots,
                            std::span<const ListedColumn> columns);

// Aligned under the captions for reading; fields escaped as in tsv.
void WriteTable(std::ostream& out, const core::PassTable& table, std::span<const std::size_t> slots,
                std::span<const ListedColumn> columns);
// A line of column names, then a line per row, fields separated by tabs and escaped (EscapeField).
void WriteTsv(std::ostream& out, const core::PassTable& table, std::span<const std::size_t> slots,
              std::span<const ListedColumn> columns);
// RFC 4180: a header row of column names, CR LF after every record, a field that holds a comma,
// a quote, CR or LF in quotes with its quotes doubled.
void WriteCsv(std::ostream& out, const core::PassTable& table, std::span<const std::size_t> slots,
              std::span<const ListedColumn> columns);
// One array of objects keyed by column name. A cell that is a JSON number is written as that
// number, its text unchanged, an empty figure as null, any other as a string; the parameter text
// as [name, value] pairs of the parameter panel's lines, value null for a line without '='.
void WriteJson(std::ostream& out, const core::PassTable& table, std::span<const std::size_t> slots,
               std::span<const ListedColumn> columns);

// The array that WriteJson writes, without the line break after it, its lines after the first
// indented by `indent` blanks more, so that it can stand inside an object.
void WriteJsonRows(std::ostream& out, const core::PassTable& table,
                   std::span<const std::size_t> slots, std::span<const ListedColumn> columns,
                   std::size_t indent);

// The writer of the format called `name`. Raises UsageError for a name that is none of them.
ListWriter ListWriterNamed(std::string_view name);

// A field for one tab-separated line: backslash, tab, CR and LF written as \\, \t, \r, \n.
std::string EscapeField(std::string_view utf8);
// An ANSI field appended as UTF-8 with EscapeField's escapes, and the characters that takes.
void AppendTsvField(OutputBuffer& out, std::string_view ansi);
std::size_t TsvFieldWidth(std::string_view ansi);
// The characters of a UTF-8 text, not its bytes, so that Cyrillic texts line up.
std::size_t DisplayWidth(std::string_view utf8);

// Whether `text` is a number as JSON writes one: -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
bool IsJsonNumber(std::string_view text);

}  // namespace kvl::cli
