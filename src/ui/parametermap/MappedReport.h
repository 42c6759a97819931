#pragma once

#include <optional>

#include "parametermap/ColumnValues.h"
#include "parametermap/Neighbourhoods.h"
#include "parametermap/ParameterSpace.h"

// What the map window keeps of the report it maps.
struct MappedReport {
  ParameterSpace space;
  // Found when a pass is first marked: a map that nobody marks on does without them.
  std::optional<Neighbourhoods> neighbourhoods;
  // Of the column chosen last.
  ColumnValues values;
};
