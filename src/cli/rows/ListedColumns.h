#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <core/PassTable.h>
#include <core/ResultColumns.h>

namespace kvl::cli {

// A field of a pass record, whatever type the table keeps its texts in.
using PassField = decltype(core::ResultColumn::field);

// A column of the tool's listing: a result column, the parameter text, or a figure of each pass
// that the table does not hold.
struct ListedColumn {
  std::string_view name;     // in the tab-separated, csv and json output
  std::string_view caption;  // heads the aligned table in the user's language, UTF-8
  PassField field;           // null for a figure column
  // A figure column's texts, ANSI, of the pass numbered k at k-1; empty for a field of the table.
  std::span<const std::string_view> passTexts = {};

  bool IsParams() const { return field == &core::PassRecord::Params; }
  bool IsFigure() const { return field == nullptr; }
};

// What heads the result column `column`, one of kResultColumns, in the aligned table: the English
// tester report's caption in the user's language, in Russian the window's caption.
const char* ResultColumnCaption(const core::ResultColumn& column);

// The seven result columns, and the parameter text, which the window never lists, after them
// when asked for.
std::vector<ListedColumn> ListedColumns(bool withParams);

// The result column with this tab-separated name; null when there is none.
const core::ResultColumn* ResultColumnNamed(std::string_view name);

// The result columns' tab-separated names, separated by ", ".
std::string ResultColumnNames();

// The parameter text of the pass in `slot`: the pass numbered k stays in slot k-1 whatever order
// the rows are listed in.
std::string_view RowParams(const core::PassTable& table, std::size_t slot);

// The text in `texts` (of the pass numbered k at k-1) of the pass in `slot`: a figure column's
// cell. Empty for a slot beyond `texts`.
std::string_view PassFigureText(std::size_t slot, std::span<const std::string_view> texts);

// The text of `column` of the pass in `slot`, in the ANSI code page.
std::string_view CellText(const core::PassTable& table, std::size_t slot,
                          const ListedColumn& column);

}  // namespace kvl::cli
