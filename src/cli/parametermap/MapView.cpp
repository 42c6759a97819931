#include "MapView.h"

#include <core/CodePage.h>
#include <core/ResultColumns.h>

namespace kvl::cli {

namespace {

std::vector<std::string> ValueTexts(const core::MapParameter& parameter) {
  std::vector<std::string> texts;
  for (const std::string_view value : parameter.values) texts.push_back(core::AnsiToUtf8(value));
  return texts;
}

std::optional<std::string> Shown(const core::MapFigure& figure) {
  if (figure.Empty()) return std::nullopt;
  return core::AnsiToUtf8(figure.text);
}

MapView ViewHead(const core::ParameterSpace& space, std::size_t x, int columnId,
                 core::MapAggregate aggregate) {
  MapView view;
  const core::MapParameter& xParameter = space.Optimized().at(x);
  view.x = core::AnsiToUtf8(xParameter.name);
  view.column = std::string(core::kResultColumns.at(static_cast<std::size_t>(columnId)).name);
  view.aggregate = std::string(core::AggregateName(aggregate));
  view.xValues = ValueTexts(xParameter);
  view.leftOut = space.LeftOut().size();
  return view;
}

}  // namespace

MapView ViewOfMap(const core::ParameterSpace& space, const core::ParameterMap& map) {
  MapView view = ViewHead(space, map.x, map.columnId, map.aggregate);
  if (map.y) {
    const core::MapParameter& yParameter = space.Optimized().at(*map.y);
    view.y = core::AnsiToUtf8(yParameter.name);
    view.yValues = ValueTexts(yParameter);
  }
  for (std::size_t row = 0; row < map.rows; ++row) {
    std::vector<std::optional<std::string>>& figures = view.rows.emplace_back();
    for (std::size_t column = 0; column < map.columns; ++column) {
      figures.push_back(Shown(map.At(column, row).figure));
    }
  }
  return view;
}

MapView ViewOfProfile(const core::ParameterSpace& space, std::size_t x, int columnId,
                      core::MapAggregate aggregate,
                      const std::vector<core::ProfilePoint>& profile) {
  MapView view = ViewHead(space, x, columnId, aggregate);
  for (const core::ProfilePoint& point : profile) {
    view.rows.push_back(
        {Shown(point.min), Shown(point.mean), Shown(point.max),
         point.passes ? std::optional(std::to_string(point.passes)) : std::nullopt});
  }
  return view;
}

}  // namespace kvl::cli
