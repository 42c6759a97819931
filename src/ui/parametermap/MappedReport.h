#pragma once

#include <optional>

#include <core/parametermap/ColumnValues.h>
#include <core/parametermap/Neighbourhoods.h>
#include <core/parametermap/ParameterSpace.h>

namespace kvl::ui {

// What the map window keeps of the report it maps.
struct MappedReport {
  MappedReport() = default;
  MappedReport(const MappedReport&) = delete;
  MappedReport& operator=(const MappedReport&) = delete;

  core::ParameterSpace space;
  // Found when a pass is first marked: a map that nobody marks on does without them. They refer
  // to `space`, so this stays where it was made.
  std::optional<core::Neighbourhoods> neighbourhoods;
  // Of the column chosen last.
  core::ColumnValues values;
};

}  // namespace kvl::ui
