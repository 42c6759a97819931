#include "MapPictureOf.h"

#include <algorithm>

#include <ui/encoding/AnsiText.h>

namespace kvl::ui {

namespace {

constexpr int kProfitColumn = 1;
constexpr int kExpectedPayoffColumn = 4;

}  // namespace

QStringList ValueTexts(const core::MapParameter& parameter) {
  QStringList texts;
  for (const std::string_view value : parameter.values) texts.append(AnsiToQString(value));
  return texts;
}

ColourScale ScaleOf(int columnId, core::MapAggregate aggregate, double lowest, double highest) {
  ScaleKind kind = ScaleKind::HighIsGood;
  if (aggregate == core::MapAggregate::kCount) {
    kind = ScaleKind::Amount;
  } else if (columnId == kProfitColumn || columnId == kExpectedPayoffColumn) {
    kind = ScaleKind::AroundZero;
  } else if (core::LowerIsBetter(columnId)) {
    kind = ScaleKind::HighIsBad;
  }
  return {kind, lowest, highest};
}

MapPicture MapPictureOf(const core::ParameterMap& map, const core::ParameterSpace& space) {
  MapPicture picture;
  const core::MapParameter& x = space.Optimized().at(map.x);
  picture.xName = AnsiToQString(x.name);
  picture.xValues = ValueTexts(x);
  if (map.y) {
    const core::MapParameter& y = space.Optimized().at(*map.y);
    picture.yName = AnsiToQString(y.name);
    picture.yValues = ValueTexts(y);
  }
  double lowest = 0;
  double highest = 0;
  bool any = false;
  picture.cells.reserve(map.cells.size());
  for (const core::MapCell& cell : map.cells) {
    MapCellPicture& shown = picture.cells.emplace_back();
    shown.passes = static_cast<int>(cell.passes);
    shown.bestPass = static_cast<int>(cell.bestPass);
    if (cell.figure.Empty()) continue;
    shown.figure = AnsiToQString(cell.figure.text);
    shown.value = cell.figure.number;
    lowest = any ? std::min(lowest, shown.value) : shown.value;
    highest = any ? std::max(highest, shown.value) : shown.value;
    any = true;
  }
  picture.scale = ScaleOf(map.columnId, map.aggregate, lowest, highest);
  return picture;
}

}  // namespace kvl::ui
