#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "ColourScale.h"

namespace kvl::ui {

// One cell of the map as it is drawn.
struct MapCellPicture {
  int passes = 0;    // 0 for an empty cell, which stays blank
  QString figure;    // empty where the figure cannot be given: a pass's cell is no number
  double value = 0;  // the figure's place on the colour scale
  int bestPass = 0;  // the number of the pass a click on the cell chooses
};

// What the map shows: the two axes with their values and a cell per pair of values.
struct MapPicture {
  QString xName;
  QString yName;
  QStringList xValues;
  QStringList yValues;
  std::vector<MapCellPicture> cells;  // row by row, a row per Y value
  ColourScale scale;

  const MapCellPicture& Cell(int x, int y) const {
    return cells[static_cast<std::size_t>(y) * static_cast<std::size_t>(xValues.size()) +
                 static_cast<std::size_t>(x)];
  }
};

}  // namespace kvl::ui
