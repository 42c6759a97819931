#include "RobustColumns.h"

#include <cli/UsageError.h>
#include <cli/translation/Translation.h>
#include <core/parametermap/ColumnValues.h>
#include <core/parametermap/Neighbourhoods.h>

namespace kvl::cli {

namespace {

constexpr std::string_view kSuffixes[] = {"-neighbours", "-min", "-mean"};

// The captions of the figures of the column headed `source`, in the order of their columns.
std::array<std::string, 3> FigureCaptions(std::string_view source) {
  // TRANSLATORS: captions of the aligned table: {1} is a result column's caption, such as
  // Profit; then the number of the pass's neighbours, the least and the mean value of the column
  // over the pass and its neighbours.
  return {Tr("{1}: neighbours", {source}), Tr("{1}: min. nearby", {source}),
          Tr("{1}: mean nearby", {source})};
}

const core::ResultColumn& FigureSource(std::string_view name) {
  const core::ResultColumn* column = ResultColumnNamed(name);
  if (column == nullptr || column == &core::kResultColumns[0]) {
    throw UsageError(
        Tr("--robust {1}: COLUMN is profit, trades, profit-factor, expected-payoff, "
           "drawdown or drawdown-percent",
           {name}));
  }
  return *column;
}

}  // namespace

RobustColumns::RobustColumns(const core::PassTable& table, std::size_t count,
                             std::string_view columnName)
    : source_(FigureSource(columnName)), captions_(FigureCaptions(ResultColumnCaption(source_))) {
  for (std::size_t f = 0; f < kFigures; ++f) {
    names_[f] = std::string(source_.name) + std::string(kSuffixes[f]);
  }
  const int columnId = static_cast<int>(&source_ - core::kResultColumns.data());
  const core::ParameterSpace space = core::ParameterSpace::Read(table, count);
  const core::ColumnValues values = core::ColumnValues::Read(table, count, columnId);
  const std::vector<core::NeighbourhoodFigures> figures =
      core::FiguresOfEveryPass(core::Neighbourhoods::Find(space), values);
  // A pass without neighbours would have its own cell as the min of its neighbourhood, and rank
  // as if it stood on a plateau: the lone peaks that the figures are there to expose.
  const auto hasNeighbourhood = [](const core::NeighbourhoodFigures& pass) {
    return pass.found > 0;
  };
  neighbours_.reserve(count);
  means_.reserve(count);
  for (const core::NeighbourhoodFigures& pass : figures) {
    neighbours_.push_back(pass.inMap ? std::to_string(pass.found) : std::string());
    means_.push_back(hasNeighbourhood(pass) ? pass.Mean() : std::string());
  }
  // The views are taken once the strings stand still.
  for (std::size_t p = 0; p < figures.size(); ++p) {
    texts_[kNeighbours].push_back(neighbours_[p]);
    texts_[kMin].push_back(hasNeighbourhood(figures[p]) ? figures[p].Min(values)
                                                        : std::string_view());
    texts_[kMean].push_back(means_[p]);
  }
}

std::vector<ListedColumn> RobustColumns::Listed() const {
  std::vector<ListedColumn> columns;
  for (std::size_t f = 0; f < kFigures; ++f) {
    columns.push_back({names_[f], captions_[f], nullptr, texts_[f]});
  }
  return columns;
}

std::vector<FigureColumn> RobustColumns::Sortable() const {
  std::vector<FigureColumn> columns;
  for (std::size_t f = 0; f < kFigures; ++f) {
    columns.push_back({names_[f], texts_[f], f == kMin ? &source_ : nullptr});
  }
  return columns;
}

}  // namespace kvl::cli
