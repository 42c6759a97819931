#include "ProfileChart.h"

#include <QCategoryAxis>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "MapTexts.h"

namespace kvl::ui {

namespace {

// More labels than this along X would run into each other; every n-th value is labelled.
constexpr int kMostXLabels = 20;
constexpr double kChosenPointSize = 11;

QLineSeries* Line(QChart& chart, const QString& name, const QColor& colour) {
  auto* series = new QLineSeries(&chart);
  series->setName(name);
  series->setPen(QPen(colour, 2));
  series->setPointsVisible(true);
  chart.addSeries(series);
  return series;
}

}  // namespace

// Made with its chart: a chart set later would leave the view's own first chart behind, which the
// view releases without deleting.
ProfileChart::ProfileChart(QWidget* parent) : QChartView(new QChart, parent) {
  setRenderHint(QPainter::Antialiasing);
  QChart& shown = *chart();
  shown.legend()->setAlignment(Qt::AlignBottom);
  minimum_ = Line(shown, ProfileLineName(ProfileLine::Minimum), QColor(215, 48, 39));
  mean_ = Line(shown, ProfileLineName(ProfileLine::Mean), QColor(33, 102, 172));
  maximum_ = Line(shown, ProfileLineName(ProfileLine::Maximum), QColor(26, 152, 80));
  chosen_ = new QScatterSeries(&shown);
  chosen_->setName(ChosenPassName());
  chosen_->setColor(Qt::black);
  chosen_->setMarkerSize(kChosenPointSize);
  shown.addSeries(chosen_);
}

void ProfileChart::Show(const QString& xName, const QString& column, const QStringList& xValues,
                        const std::vector<core::ProfilePoint>& points) {
  QList<QPointF> lows;
  QList<QPointF> means;
  QList<QPointF> highs;
  for (std::size_t x = 0; x < points.size(); ++x) {
    const core::ProfilePoint& point = points[x];
    // A value without passes, or with a figure that is no number, breaks no line: it is left out.
    if (point.mean.Empty()) continue;
    const auto at = static_cast<double>(x);
    lows.append({at, point.min.number});
    means.append({at, point.mean.number});
    highs.append({at, point.max.number});
  }
  minimum_->replace(lows);
  mean_->replace(means);
  maximum_->replace(highs);
  chosen_->clear();
  chart()->setTitle(column);
  ShowAxes(xName, xValues);
}

void ProfileChart::Mark(int x, double figure) {
  chosen_->clear();
  if (x >= 0) chosen_->append(x, figure);
}

void ProfileChart::ShowAxes(const QString& xName, const QStringList& xValues) {
  QChart& shown = *chart();
  for (QAbstractAxis* axis : shown.axes()) {
    shown.removeAxis(axis);
    delete axis;
  }
  auto* xAxis = new QCategoryAxis;
  xAxis->setTitleText(xName);
  xAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  const auto count = static_cast<int>(xValues.size());
  const int step = std::max(1, (count + kMostXLabels - 1) / kMostXLabels);
  for (int x = 0; x < count; x += step) xAxis->append(xValues[x], x);
  xAxis->setRange(-0.5, std::max(0, count - 1) + 0.5);

  double low = 0;
  double high = 0;
  bool any = false;
  for (const QPointF& point : minimum_->points()) {
    low = any ? std::min(low, point.y()) : point.y();
    any = true;
  }
  any = false;
  for (const QPointF& point : maximum_->points()) {
    high = any ? std::max(high, point.y()) : point.y();
    any = true;
  }
  auto* yAxis = new QValueAxis;
  const double margin = high > low ? (high - low) * 0.05 : std::max(1.0, std::fabs(high) * 0.05);
  yAxis->setRange(low - margin, high + margin);
  yAxis->applyNiceNumbers();
  yAxis->setLabelFormat(QStringLiteral("%g"));

  shown.addAxis(xAxis, Qt::AlignBottom);
  shown.addAxis(yAxis, Qt::AlignLeft);
  for (QAbstractSeries* series : shown.series()) {
    series->attachAxis(xAxis);
    series->attachAxis(yAxis);
  }
}

QImage ProfileChart::Image() {
  return grab().toImage();
}

}  // namespace kvl::ui
