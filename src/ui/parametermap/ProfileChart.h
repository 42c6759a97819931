#pragma once

#include <QChartView>
#include <QImage>
#include <QStringList>
#include <vector>

#include <core/parametermap/ParameterMap.h>

class QLineSeries;
class QScatterSeries;

namespace kvl::ui {

// The profile as a line chart: the minimum, the mean and the maximum of the column over the
// passes of each value of X, and a point for the chosen pass.
class ProfileChart : public QChartView {
 public:
  explicit ProfileChart(QWidget* parent);

  // The figures of `column` per value of the parameter `xName`, one point per value.
  void Show(const QString& xName, const QString& column, const QStringList& xValues,
            const std::vector<core::ProfilePoint>& points);
  // Puts the chosen pass's point at X value `x` and figure `figure`; x < 0 shows none.
  void Mark(int x, double figure);

  QLineSeries* Minimum() const { return minimum_; }
  QLineSeries* Mean() const { return mean_; }
  QLineSeries* Maximum() const { return maximum_; }

  QImage Image();

 private:
  void ShowAxes(const QString& xName, const QStringList& xValues);

  QLineSeries* minimum_;
  QLineSeries* mean_;
  QLineSeries* maximum_;
  QScatterSeries* chosen_;
};

}  // namespace kvl::ui
