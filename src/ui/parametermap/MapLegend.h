#pragma once

#include <QRect>
#include <QString>

#include "ColourScale.h"

class QPainter;
class QFontMetrics;

namespace kvl::ui {

// The legend's height in `metrics`' font: the bar and a line of figures under it.
int MapLegendHeight(const QFontMetrics& metrics);

// Draws the scale as a bar in `area`, its colours from the legend's low end to its high end,
// with the figures of its ends (and of zero when it runs around zero) under the bar.
void PaintMapLegend(QPainter& painter, const ColourScale& scale, const QRect& area);

// A figure of the legend: a count as a whole number, any other with two decimals.
QString LegendFigure(const ColourScale& scale, double figure);

}  // namespace kvl::ui
