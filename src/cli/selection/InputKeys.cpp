#include "InputKeys.h"

#include <string_view>
#include <utility>

#include <cli/parametermap/ReportParameters.h>
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

}  // namespace

std::vector<std::string> InputKeyNames(const PassSelection& selection) {
  std::vector<std::string> names;
  for (const auto& [key, option] : InputKeysOf(selection)) names.push_back(key->parameter);
  return names;
}

std::vector<FigureColumn> InputKeyColumns(const core::PassTable& table, std::size_t count,
                                          const InputColumns& inputs,
                                          const PassSelection& selection) {
  std::vector<FigureColumn> columns;
  for (const auto& [key, option] : InputKeysOf(selection)) {
    const std::vector<std::string_view>* values = inputs.ValuesOf(key->parameter);
    if (values == nullptr) {
      RefuseUnknownParameter(core::ParameterSpace::Read(table, count), option, key->figureColumn);
    }
    columns.push_back({key->figureColumn, *values});
  }
  return columns;
}

}  // namespace kvl::cli
