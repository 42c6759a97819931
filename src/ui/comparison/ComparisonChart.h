#pragma once

#include <QChartView>
#include <cstddef>
#include <cstdint>
#include <vector>

class QLineSeries;
class QScatterSeries;

namespace kvl::ui {

struct JoinedReports;

// The joined passes as points, the base's profit across and another report's up, over the
// diagonal where both are equal, with the chosen pass marked. A click on a point tells its pass.
// Qt Charts gives every point an item of its own and takes ever longer per point as they grow, so
// beyond kMostPoints passes the plot is cut into kThinningCells × kThinningCells cells and each
// cell shows one point: its lowest pass, where that pass stands.
class ComparisonChart : public QChartView {
  Q_OBJECT

 public:
  static constexpr int kMostPoints = 2000;
  static constexpr int kThinningCells = 40;

  // Shows `joined`, which outlives the chart, with the first report after the base up.
  ComparisonChart(const JoinedReports& joined, QWidget* parent);

  // Shows the profit of the report joined.reports[r], r >= 1, up.
  void Show(std::size_t r);
  // Marks base pass `pass`; a pass without a point marks none.
  void Mark(std::uint32_t pass);

  QScatterSeries* Passes() const { return passes_; }
  QLineSeries* Diagonal() const { return diagonal_; }
  QScatterSeries* Chosen() const { return chosen_; }

 signals:
  void passClicked(std::uint32_t pass);

 private:
  void ShowAxes(const QString& xTitle, const QString& yTitle, double low, double high);
  // The points shown: every pass's, or one per cell.
  QList<QPointF> ShownPoints(double low, double high);
  void PointClicked(const QPointF& point);

  const JoinedReports& joined_;
  QScatterSeries* passes_;
  QLineSeries* diagonal_;
  QScatterSeries* chosen_;
  // Every joined pass whose profits are numbers, in pass order, and where it stands.
  std::vector<std::uint32_t> placedPasses_;
  QList<QPointF> places_;
  // The base pass of each point shown, in the order of the points.
  std::vector<std::uint32_t> pointPasses_;
  std::uint32_t markedPass_ = 0;
};

}  // namespace kvl::ui
