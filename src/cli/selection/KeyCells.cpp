#include "KeyCells.h"

#include <algorithm>
#include <string>

#include <cli/UsageError.h>
#include <cli/translation/Translation.h>
#include <core/CellKey.h>

namespace kvl::cli {

const FigureColumn& FigureColumnNamed(const PassSelection& selection, std::string_view name) {
  const auto it = std::ranges::find(selection.figureColumns, name, &FigureColumn::name);
  if (it == selection.figureColumns.end()) {
    const std::string source(name.substr(0, name.rfind('-')));
    throw UsageError(Tr("{1}: a neighbourhood figure, which --robust {2} adds", {name, source}));
  }
  return *it;
}

KeyCells::KeyCells(const core::PassTable& table, const SortRequest& key,
                   const PassSelection& selection)
    : table_(table) {
  if (key.figureColumn.empty()) {
    column_ = &core::kResultColumns.at(static_cast<std::size_t>(key.columnId));
  } else {
    figures_ = &FigureColumnNamed(selection, key.figureColumn);
  }
}

std::string_view KeyCells::Name() const noexcept {
  return column_ != nullptr ? column_->name : figures_->name;
}

std::string_view KeyCells::Text(std::size_t slot) const {
  return column_ != nullptr ? table_[slot].*column_->field : PassFigureText(slot, figures_->texts);
}

long double KeyCells::Number(std::string_view text) const {
  return column_ != nullptr ? core::CellKey(*column_, text) : FigureKey(*figures_, text);
}

std::optional<PassField> KeyCells::Field() const {
  if (column_ == nullptr) return std::nullopt;
  return column_->field;
}

void RequireKeyColumns(const PassSelection& selection) {
  for (const auto* keys : {&selection.sorts, &selection.order}) {
    for (const SortRequest& key : *keys) {
      if (!key.figureColumn.empty()) FigureColumnNamed(selection, key.figureColumn);
    }
  }
}

}  // namespace kvl::cli
