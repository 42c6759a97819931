#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include <cli/rows/InputColumns.h>
#include <core/PassTable.h>

#include "PassSelection.h"

namespace kvl::cli {

// The names (ANSI) of the inputs that the sorts and the order of `selection` name, param:NAME.
std::vector<std::string> InputKeyNames(const PassSelection& selection);

// The figure columns of those inputs, their values those of `inputs`, read of passes 1 to count of
// `table`. Raises Exception, naming the report's parameters, for an input that no pass carries.
std::vector<FigureColumn> InputKeyColumns(const core::PassTable& table, std::size_t count,
                                          const InputColumns& inputs,
                                          const PassSelection& selection);

}  // namespace kvl::cli
