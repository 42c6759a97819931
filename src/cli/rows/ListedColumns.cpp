#include "rows/ListedColumns.h"

#include <charconv>

#include "parametermap/PassRows.h"

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
  const std::string_view index = table[slot].Index;
  std::size_t number = 0;
  const auto [end, error] = std::from_chars(index.data(), index.data() + index.size(), number);
  // The loader numbers every pass it stores, so this holds for every listed row.
  if (error != std::errc() || end != index.data() + index.size() || number < 1 ||
      number > table.Size()) {
    return {};
  }
  return table[number - 1].Params;
}

std::string_view CellText(const PassTable& table, std::size_t slot, const ListedColumn& column) {
  if (!column.passTexts.empty()) return PassFigureText(table[slot], column.passTexts);
  return column.IsParams() ? RowParams(table, slot) : std::string_view(table[slot].*column.field);
}

std::string_view PassFigureText(const CItem_OPT& row, std::span<const std::string_view> texts) {
  const std::optional<std::size_t> pass = PassNumberOf(row.Index);
  return pass && *pass <= texts.size() ? texts[*pass - 1] : std::string_view();
}
