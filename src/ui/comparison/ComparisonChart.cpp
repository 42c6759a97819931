#include "ComparisonChart.h"

#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include <ui/parametermap/MapTexts.h>

#include "ComparisonTexts.h"
#include "JoinedReports.h"

namespace kvl::ui {

namespace {

constexpr double kPointSize = 6;
constexpr double kChosenPointSize = 12;

std::optional<double> ProfitOf(const JoinedReports& joined, std::size_t row, std::size_t r) {
  const std::optional<long double> profit =
      CellNumber(joined.Field(row, r, &core::PassRecord::Profit));
  if (!profit) return std::nullopt;
  return static_cast<double>(*profit);
}

}  // namespace

// Made with its chart: a chart set later would leave the view's own first chart behind.
ComparisonChart::ComparisonChart(const JoinedReports& joined, QWidget* parent)
    : QChartView(new QChart, parent), joined_(joined) {
  setRenderHint(QPainter::Antialiasing);
  QChart& shown = *chart();
  shown.legend()->setAlignment(Qt::AlignBottom);

  diagonal_ = new QLineSeries(&shown);
  diagonal_->setName(SameProfitSeriesName());
  diagonal_->setPen(QPen(Qt::gray, 1, Qt::DashLine));
  shown.addSeries(diagonal_);

  passes_ = new QScatterSeries(&shown);
  passes_->setName(JoinedPassesSeriesName());
  passes_->setColor(QColor(33, 102, 172));
  passes_->setBorderColor(QColor(33, 102, 172));
  passes_->setMarkerSize(kPointSize);
  shown.addSeries(passes_);

  chosen_ = new QScatterSeries(&shown);
  chosen_->setName(ChosenPassName());
  chosen_->setColor(QColor(215, 48, 39));
  chosen_->setBorderColor(Qt::black);
  chosen_->setMarkerSize(kChosenPointSize);
  shown.addSeries(chosen_);

  connect(passes_, &QScatterSeries::clicked, this, &ComparisonChart::PointClicked);
  Show(1);
}

void ComparisonChart::Show(std::size_t r) {
  places_.clear();
  placedPasses_.clear();
  pointPasses_.clear();
  double low = std::numeric_limits<double>::infinity();
  double high = -low;
  for (std::size_t row = 0; row < joined_.join->RowCount(); ++row) {
    const std::optional<double> x = ProfitOf(joined_, row, 0);
    const std::optional<double> y = ProfitOf(joined_, row, r);
    if (!x || !y) continue;
    places_.append({*x, *y});
    placedPasses_.push_back(joined_.join->BasePass(row));
    low = std::min({low, *x, *y});
    high = std::max({high, *x, *y});
  }
  if (places_.isEmpty()) low = high = 0;

  diagonal_->replace(QList<QPointF>{{low, low}, {high, high}});
  chart()->setTitle(QString());
  passes_->replace(ShownPoints(low, high));
  ShowAxes(ProfitAxisTitle(joined_.labels[0]),
           ProfitAxisTitle(joined_.labels[static_cast<qsizetype>(r)]), low, high);
  Mark(markedPass_);
}

// Both axes span the same range, so that the diagonal is where the profits are equal.
void ComparisonChart::ShowAxes(const QString& xTitle, const QString& yTitle, double low,
                               double high) {
  QChart& shown = *chart();
  for (QAbstractAxis* axis : shown.axes()) {
    shown.removeAxis(axis);
    delete axis;
  }
  const double margin = high > low ? (high - low) * 0.05 : std::max(1.0, std::fabs(high) * 0.05);
  auto* xAxis = new QValueAxis;
  auto* yAxis = new QValueAxis;
  for (QValueAxis* axis : {xAxis, yAxis}) {
    axis->setRange(low - margin, high + margin);
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%g"));
  }
  xAxis->setTitleText(xTitle);
  yAxis->setTitleText(yTitle);
  shown.addAxis(xAxis, Qt::AlignBottom);
  shown.addAxis(yAxis, Qt::AlignLeft);
  for (QAbstractSeries* series : shown.series()) {
    series->attachAxis(xAxis);
    series->attachAxis(yAxis);
  }
}

QList<QPointF> ComparisonChart::ShownPoints(double low, double high) {
  if (places_.size() <= kMostPoints) {
    pointPasses_ = placedPasses_;
    return places_;
  }
  chart()->setTitle(ThinnedPointsText(kThinningCells));
  const double cellSize = (high - low) / kThinningCells;
  // Equal profits everywhere make one cell.
  auto cellOf = [&](double profit) {
    if (!(cellSize > 0)) return 0;
    return std::clamp(static_cast<int>((profit - low) / cellSize), 0, kThinningCells - 1);
  };
  std::vector<bool> taken(kThinningCells * kThinningCells, false);
  QList<QPointF> shown;
  for (qsizetype i = 0; i < places_.size(); ++i) {
    const QPointF& place = places_[i];
    const auto cell =
        static_cast<std::size_t>(cellOf(place.y()) * kThinningCells + cellOf(place.x()));
    if (taken[cell]) continue;
    taken[cell] = true;
    shown.append(place);
    pointPasses_.push_back(placedPasses_[static_cast<std::size_t>(i)]);
  }
  return shown;
}

void ComparisonChart::Mark(std::uint32_t pass) {
  markedPass_ = pass;
  chosen_->clear();
  const auto at = std::lower_bound(placedPasses_.begin(), placedPasses_.end(), pass);
  if (at == placedPasses_.end() || *at != pass) return;
  chosen_->append(places_[at - placedPasses_.begin()]);
}

// Of points at the same place, the lowest base pass answers.
void ComparisonChart::PointClicked(const QPointF& point) {
  const QList<QPointF> points = passes_->points();
  const auto at = std::find(points.begin(), points.end(), point);
  if (at == points.end()) return;
  emit passClicked(pointPasses_[static_cast<std::size_t>(at - points.begin())]);
}

}  // namespace kvl::ui
