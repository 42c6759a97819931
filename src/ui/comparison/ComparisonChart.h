#pragma once

#include <QChartView>
#include <cstdint>
#include <vector>

class QLineSeries;
class QScatterSeries;

namespace kvl::ui {

struct JoinedReports;

// The joined passes as points, the base's profit across and the other report's up, over the
// diagonal where both are equal, with the chosen pass marked. A click on a point tells its pass.
class ComparisonChart : public QChartView {
  Q_OBJECT

 public:
  ComparisonChart(const JoinedReports& joined, QWidget* parent);

  // Marks base pass `pass`; a pass without a point marks none.
  void Mark(std::uint32_t pass);

  QScatterSeries* Passes() const { return passes_; }
  QLineSeries* Diagonal() const { return diagonal_; }
  QScatterSeries* Chosen() const { return chosen_; }

 signals:
  void passClicked(std::uint32_t pass);

 private:
  void ShowAxes(const QString& xTitle, const QString& yTitle, double low, double high);
  void PointClicked(const QPointF& point);

  QScatterSeries* passes_;
  QLineSeries* diagonal_;
  QScatterSeries* chosen_;
  // The base pass of each point, in the order of the points.
  std::vector<std::uint32_t> pointPasses_;
};

}  // namespace kvl::ui
