#include "FileNameTemplate.h"

#include <algorithm>
#include <utility>

#include <cli/UsageError.h>
#include <cli/rows/ListedColumns.h>
#include <cli/translation/Translation.h>
#include <core/CodePage.h>

#include "PortableFileName.h"

namespace kvl::cli {

namespace {

// The names a template may hold: the result columns', then those of `added`.
std::string ColumnNames(std::span<const ListedColumn> added) {
  std::string names = ResultColumnNames();
  for (const ListedColumn& column : added) names += ", " + std::string(column.name);
  return names;
}

}  // namespace

FileNameTemplate::FileNameTemplate(std::string_view text, std::span<const ListedColumn> added) {
  for (std::string_view rest = text; !rest.empty();) {
    const std::size_t open = rest.find('{');
    if (open != 0) {
      pieces_.push_back({std::string(rest.substr(0, open)), nullptr, {}});
      if (open == std::string_view::npos) break;
      rest.remove_prefix(open);
    }
    const std::size_t close = rest.find('}');
    if (close == std::string_view::npos) {
      throw UsageError(Tr("--name \"{1}\": a \"{\" is not closed; the columns are {2}",
                          {text, ColumnNames(added)}));
    }
    const std::string_view name = rest.substr(1, close - 1);
    const core::ResultColumn* column = ResultColumnNamed(name);
    const auto figure = std::ranges::find(added, name, &ListedColumn::name);
    if (column == nullptr && figure == added.end()) {
      throw UsageError(Tr("--name \"{1}\": {{2}} is no column; the columns are {3}",
                          {text, name, ColumnNames(added)}));
    }
    if (column != nullptr) {
      pieces_.push_back({{}, column, {}});
    } else {
      pieces_.push_back({{}, nullptr, figure->passTexts});
    }
    rest.remove_prefix(close + 1);
  }
}

std::string FileNameTemplate::NameFor(const core::PassTable& table, std::size_t slot) const {
  std::string name;
  for (const Piece& piece : pieces_) {
    if (piece.column) {
      name += core::AnsiToUtf8(table[slot].*piece.column->field);
    } else if (!piece.figures.empty()) {
      name += core::AnsiToUtf8(PassFigureText(slot, piece.figures));
    } else {
      name += piece.text;
    }
  }
  return PortableFileName(std::move(name));
}

}  // namespace kvl::cli
