#include "ChosenPasses.h"

#include <string_view>
#include <utility>

#include <cli/parametermap/ReportParameters.h>
#include <cli/reports/ReportPasses.h>
#include <core/parametermap/ParameterSpace.h>

namespace kvl::cli {

namespace {

// The sorts' and the order's keys that name an input, with the option each came with.
std::vector<std::pair<const SortRequest*, std::string_view>> InputKeysOf(
    const PassSelection& selection) {
  std::vector<std::pair<const SortRequest*, std::string_view>> keys;
  for (const auto& [requests, option] :
       {std::pair{&selection.sorts, "--sort"}, std::pair{&selection.order, "--order"}}) {
    for (const SortRequest& key : *requests) {
      if (!key.parameter.empty()) keys.emplace_back(&key, option);
    }
  }
  return keys;
}

std::vector<std::string> NamesOf(const PassSelection& selection) {
  std::vector<std::string> names;
  for (const auto& [key, option] : InputKeysOf(selection)) names.push_back(key->parameter);
  return names;
}

}  // namespace

ChosenPasses::ChosenPasses(const std::string& path, const AddedColumns& added,
                           PassSelection selection, std::ostream& err)
    : count_(LoadReportPasses(path, table_)), listInputs_(added.inputs) {
  // The figures are read by pass, before the sorts list the passes in their order.
  if (added.robust) {
    robust_ = std::make_unique<RobustColumns>(table_, count_, *added.robust);
    selection.figureColumns = robust_->Sortable();
  }
  inputs_ = listInputs_ ? InputColumns::Every(table_, count_)
                        : InputColumns::Named(table_, count_, NamesOf(selection));
  const std::vector<FigureColumn> inputKeys = InputKeys(selection);
  selection.figureColumns.insert(selection.figureColumns.end(), inputKeys.begin(), inputKeys.end());
  rows_ = SelectRows(table_, count_, selection);
  ReportLeftOut(selection, rows_, err);
}

std::vector<FigureColumn> ChosenPasses::InputKeys(const PassSelection& selection) const {
  std::vector<FigureColumn> columns;
  for (const auto& [key, option] : InputKeysOf(selection)) {
    const std::vector<std::string_view>* values = inputs_.ValuesOf(key->parameter);
    if (values == nullptr) {
      RefuseUnknownParameter(core::ParameterSpace::Read(table_, count_), option, key->figureColumn);
    }
    columns.push_back({key->figureColumn, *values});
  }
  return columns;
}

std::vector<ListedColumn> ChosenPasses::Added() const {
  std::vector<ListedColumn> columns;
  if (robust_) columns = robust_->Listed();
  if (listInputs_) {
    const std::vector<ListedColumn> inputs = inputs_.Listed();
    columns.insert(columns.end(), inputs.begin(), inputs.end());
  }
  return columns;
}

}  // namespace kvl::cli
