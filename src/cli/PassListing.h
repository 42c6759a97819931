#pragma once

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "ListedColumns.h"
#include "PassTable.h"

// A field for one output line: UTF-8, with backslash, tab, CR and LF written as \\, \t, \r, \n.
std::string EscapeField(std::string_view utf8);

// Slots 0 to count-1 of `table`, one line each, fields converted from the ANSI code page and
// escaped: under a line of column names separated by tabs, or aligned under the captions.
void WritePassesTsv(std::ostream& out, const PassTable& table, std::size_t count,
                    std::span<const ListedColumn> columns);
void WritePassesTable(std::ostream& out, const PassTable& table, std::size_t count,
                      std::span<const ListedColumn> columns);
