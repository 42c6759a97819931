#include "ListedColumns.h"

#include <type_traits>

#include <cli/translation/Translation.h>

namespace kvl::cli {

const char* ResultColumnCaption(const core::ResultColumn& column) {
  // TRANSLATORS: the captions of the result columns in the aligned table, in English as the
  // tester's English report heads them. Translate each to the caption the program's window shows.
  const char* const captions[] = {Tr("Pass"),          Tr("Profit"),          Tr("Total trades"),
                                  Tr("Profit factor"), Tr("Expected Payoff"), Tr("Drawdown $"),
                                  Tr("Drawdown %")};
  static_assert(std::extent_v<decltype(captions)> == core::kResultColumns.size());
  return captions[&column - core::kResultColumns.data()];
}

std::vector<ListedColumn> ListedColumns(bool withParams) {
  std::vector<ListedColumn> columns;
  for (const core::ResultColumn& column : core::kResultColumns) {
    columns.push_back({column.name, ResultColumnCaption(column), column.field});
  }
  // TRANSLATORS: the caption of the column of each pass's parameter text in the aligned table.
  if (withParams) columns.push_back({"params", Tr("Parameters"), &core::PassRecord::Params});
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
