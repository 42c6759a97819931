#include "ListedColumns.h"

namespace kvl::cli {

std::vector<ListedColumn> ListedColumns(bool withParams) {
  std::vector<ListedColumn> columns;
  for (const core::ResultColumn& column : core::kResultColumns) {
    columns.push_back({column.name, column.caption, column.field});
  }
  if (withParams) columns.push_back({"params", "Параметры", &core::PassRecord::Params});
  return columns;
}

const core::ResultColumn* ResultColumnNamed(std::string_view name) {
  for (const core::ResultColumn& column : core::kResultColumns) {
    if (column.name == name) return &column;
  }
  return nullptr;
}

std::string ResultColumnNames() {
  std::string names;
  for (const core::ResultColumn& column : core::kResultColumns) {
    names += (names.empty() ? "" : ", ") + std::string(column.name);
  }
  return names;
}

std::string_view RowParams(const core::PassTable& table, std::size_t slot) {
  return table[slot].Params;
}

std::string_view CellText(const core::PassTable& table, std::size_t slot,
                          const ListedColumn& column) {
  if (column.IsFigure()) return PassFigureText(slot, column.passTexts);
  return table[slot].*column.field;
}

std::string_view PassFigureText(std::size_t slot, std::span<const std::string_view> texts) {
  return slot < texts.size() ? texts[slot] : std::string_view();
}

}  // namespace kvl::cli
