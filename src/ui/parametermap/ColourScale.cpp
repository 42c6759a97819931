#include "ColourScale.h"

#include <algorithm>
#include <cmath>

namespace kvl::ui {

namespace {

const QColor kRed(215, 48, 39);
const QColor kPaleYellow(255, 255, 191);
const QColor kGreen(26, 152, 80);
const QColor kPale(247, 247, 247);
const QColor kPaleBlue(239, 243, 255);
const QColor kBlue(33, 102, 172);

QColor Between(const QColor& from, const QColor& to, double t) {
  auto channel = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
  return {channel(from.red(), to.red()), channel(from.green(), to.green()),
          channel(from.blue(), to.blue())};
}

// Through `middle` at t = 0.5.
QColor ThreeWay(const QColor& low, const QColor& middle, const QColor& high, double t) {
  return t < 0.5 ? Between(low, middle, 2 * t) : Between(middle, high, 2 * t - 1);
}

}  // namespace

ColourScale::ColourScale(ScaleKind kind, double lowest, double highest)
    : kind_(kind), lowest_(lowest), highest_(highest) {}

double ColourScale::LegendLow() const {
  return kind_ == ScaleKind::AroundZero ? -LegendHigh() : lowest_;
}

double ColourScale::LegendHigh() const {
  return kind_ == ScaleKind::AroundZero ? std::max(std::fabs(lowest_), std::fabs(highest_))
                                        : highest_;
}

QColor ColourScale::ColourOf(double figure) const {
  const double low = LegendLow();
  const double high = LegendHigh();
  // A map whose figures are all alike shows them in the scale's middle colour.
  const double t = high > low ? std::clamp((figure - low) / (high - low), 0.0, 1.0) : 0.5;
  switch (kind_) {
    case ScaleKind::AroundZero:
      return ThreeWay(kRed, kPale, kGreen, t);
    case ScaleKind::HighIsGood:
      return ThreeWay(kRed, kPaleYellow, kGreen, t);
    case ScaleKind::HighIsBad:
      return ThreeWay(kGreen, kPaleYellow, kRed, t);
    case ScaleKind::Amount:
      break;
  }
  return Between(kPaleBlue, kBlue, t);
}

}  // namespace kvl::ui
