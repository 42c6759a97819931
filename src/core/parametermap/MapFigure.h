#pragma once

#include <string>

namespace kvl::core {

// A figure of the map as shown: its text, and its value for the colour scale. A figure that
// cannot be given (an empty cell, or a cell whose passes do not all convert) has an empty text.
struct MapFigure {
  std::string text;
  double number = 0;

  bool Empty() const noexcept { return text.empty(); }
};

}  // namespace kvl::core
