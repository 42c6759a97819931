#include "MapLegend.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

namespace kvl::ui {

namespace {

constexpr int kBarHeight = 14;
constexpr int kGap = 3;
constexpr int kGradientStops = 16;

}  // namespace

int MapLegendHeight(const QFontMetrics& metrics) {
  return kBarHeight + kGap + metrics.height();
}

QString LegendFigure(const ColourScale& scale, double figure) {
  return scale.Kind() == ScaleKind::Amount ? QString::number(figure, 'f', 0)
                                           : QString::number(figure, 'f', 2);
}

void PaintMapLegend(QPainter& painter, const ColourScale& scale, const QRect& area) {
  const QRect bar(area.left(), area.top(), area.width(), kBarHeight);
  const double low = scale.LegendLow();
  const double high = scale.LegendHigh();
  QLinearGradient gradient(bar.topLeft(), bar.topRight());
  for (int stop = 0; stop <= kGradientStops; ++stop) {
    const double t = static_cast<double>(stop) / kGradientStops;
    gradient.setColorAt(t, scale.ColourOf(low + (high - low) * t));
  }
  painter.fillRect(bar, gradient);
  painter.setPen(Qt::gray);
  painter.drawRect(bar.adjusted(0, 0, -1, -1));

  painter.setPen(Qt::black);
  const QRect figures(area.left(), bar.bottom() + kGap, area.width(),
                      area.height() - kBarHeight - kGap);
  painter.drawText(figures, Qt::AlignLeft | Qt::AlignTop, LegendFigure(scale, low));
  painter.drawText(figures, Qt::AlignRight | Qt::AlignTop, LegendFigure(scale, high));
  if (scale.Kind() == ScaleKind::AroundZero) {
    painter.drawText(figures, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("0"));
  }
}

}  // namespace kvl::ui
