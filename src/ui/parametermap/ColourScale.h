#pragma once

#include <QColor>

namespace kvl::ui {

// Which way a figure's colour runs.
enum class ScaleKind {
  AroundZero,  // losses red, profits green, zero pale
  HighIsGood,  // from red at the lowest figure shown to green at the highest
  HighIsBad,   // from green at the lowest figure shown to red at the highest
  Amount,      // a count: from pale to strong, neither good nor bad
};

// The colours of the figures of one map, fitted to the lowest and the highest figure it shows.
class ColourScale {
 public:
  ColourScale() = default;
  ColourScale(ScaleKind kind, double lowest, double highest);

  ScaleKind Kind() const { return kind_; }
  QColor ColourOf(double figure) const;

  // The legend's ends: around zero it runs from -m to m, m the largest distance from zero, so
  // that zero stands in its middle; otherwise from the lowest figure to the highest.
  double LegendLow() const;
  double LegendHigh() const;

 private:
  ScaleKind kind_ = ScaleKind::Amount;
  double lowest_ = 0;
  double highest_ = 0;
};

}  // namespace kvl::ui
