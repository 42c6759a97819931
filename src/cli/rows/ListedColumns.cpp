#include "ListedColumns.h"

std::vector<ListedColumn> ListedColumns(bool withParams) {
  std::vector<ListedColumn> columns;
  for (const ResultColumn& column : kResultColumns) {
    columns.push_back({column.name, column.caption, column.field});
  }
  if (withParams) columns.push_back({"params", "Параметры", &CItem_OPT::Params});
  return columns;
}

const ResultColumn* ResultColumnNamed(std::string_view name) {
  for (const ResultColumn& column : kResultColumns) {
    if (column.name == name) return &column;
  }
  return nullptr;
}

std::string ResultColumnNames() {
  std::string names;
  for (const ResultColumn& column : kResultColumns) {
    names += (names.empty() ? "" : ", ") + std::string(column.name);
  }
  return names;
}

std::string_view RowParams(const PassTable& table, std::size_t slot) {
  return table[slot].Params;
}

std::string_view CellText(const PassTable& table, std::size_t slot, const ListedColumn& column) {
  if (column.IsFigure()) return PassFigureText(slot, column.passTexts);
  return table[slot].*column.field;
}

std::string_view PassFigureText(std::size_t slot, std::span<const std::string_view> texts) {
  return slot < texts.size() ? texts[slot] : std::string_view();
}
