#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include <cli/rows/ListedColumns.h>
#include <core/PassTable.h>

#include "PassSelection.h"
#include "SortOption.h"

namespace kvl::cli {

// The cells a sort key reads, of the table for a result column or of a figure column of the
// selection, and the conversion that reads them as numbers.
class KeyCells {
 public:
  // Raises UsageError for a figure column that `selection` does not hold (RequireKeyColumns).
  KeyCells(const core::PassTable& table, const SortRequest& key, const PassSelection& selection);

  // The key's column, as messages name it.
  std::string_view Name() const noexcept;
  // The cell of the pass in `slot`.
  std::string_view Text(std::size_t slot) const;
  // A cell as a number, read with the column's conversion. Raises EConvertError for one that does
  // not convert, an empty one included.
  long double Number(std::string_view text) const;
  // The field of the table read, to fetch ahead; none for a figure column.
  std::optional<PassField> Field() const;

 private:
  const core::PassTable& table_;
  const core::ResultColumn* column_ = nullptr;  // null for a figure column
  const FigureColumn* figures_ = nullptr;       // null for a result column
};

// The figure column of `selection` called `name`. Raises UsageError when there is none: a
// neighbourhood figure, which only --robust adds.
const FigureColumn& FigureColumnNamed(const PassSelection& selection, std::string_view name);

// Raises UsageError for a sort or order key naming a figure column that `selection` does not
// hold (FigureColumnNamed).
void RequireKeyColumns(const PassSelection& selection);

}  // namespace kvl::cli
