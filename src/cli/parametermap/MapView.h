#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include <core/parametermap/ParameterMap.h>

namespace kvl::cli {

// A map or a profile as the map command prints it. Texts are UTF-8; an empty figure is nullopt.
struct MapView {
  std::string x;
  std::optional<std::string> y;  // none for a profile
  std::string column;
  std::string aggregate;
  std::vector<std::string> xValues;
  std::vector<std::string> yValues;
  // A map: a row per Y value, a figure per X value. A profile: a row per X value with its min,
  // mean, max and count.
  std::vector<std::vector<std::optional<std::string>>> rows;
  std::size_t leftOut = 0;

  bool IsProfile() const { return !y.has_value(); }
};

MapView ViewOfMap(const core::ParameterSpace& space, const core::ParameterMap& map);
MapView ViewOfProfile(const core::ParameterSpace& space, std::size_t x, int columnId,
                      core::MapAggregate aggregate, const std::vector<core::ProfilePoint>& profile);

// The map's formats: the header line and the lines of tsv, csv and table, and the json object.
void WriteMapTsv(std::ostream& out, const MapView& view);
void WriteMapCsv(std::ostream& out, const MapView& view);
void WriteMapTable(std::ostream& out, const MapView& view);
void WriteMapJson(std::ostream& out, const MapView& view);

}  // namespace kvl::cli
