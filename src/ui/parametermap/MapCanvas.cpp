#include "MapCanvas.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <utility>

#include "MapLegend.h"
#include "MapTexts.h"

namespace kvl::ui {

namespace {

constexpr int kMargin = 8;
constexpr int kCellPadding = 12;
constexpr int kNarrowestCell = 56;
constexpr int kMarkWidth = 3;
constexpr int kLegendGap = 12;
constexpr int kWidestLegend = 360;
const QColor kNoFigure(224, 224, 224);

int WidestText(const QFontMetrics& metrics, const QStringList& texts) {
  int widest = 0;
  for (const QString& text : texts) widest = std::max(widest, metrics.horizontalAdvance(text));
  return widest;
}

// Dark cells carry white figures.
QColor FigureColour(const QColor& background) {
  return background.lightnessF() < 0.45 ? Qt::white : Qt::black;
}

}  // namespace

MapCanvas::MapCanvas(QWidget* parent) : QWidget(parent) {
  Measure();
}

void MapCanvas::Show(MapPicture picture) {
  picture_ = std::move(picture);
  marked_ = {-1, -1};
  Measure();
  resize(sizeHint());
  update();
}

void MapCanvas::Mark(int x, int y) {
  marked_ = x < 0 ? QPoint(-1, -1) : QPoint(x, y);
  update();
}

void MapCanvas::Measure() {
  const QFontMetrics metrics(font());
  QStringList figures;
  for (const MapCellPicture& cell : picture_.cells) figures.append(cell.figure);
  geometry_.cellWidth = std::max({kNarrowestCell, WidestText(metrics, figures) + kCellPadding,
                                  WidestText(metrics, picture_.xValues) + kCellPadding});
  geometry_.cellHeight = metrics.height() + kCellPadding;
  geometry_.rowHeaderWidth =
      std::max(WidestText(metrics, picture_.yValues),
               metrics.horizontalAdvance(AxesCornerText(picture_.xName, picture_.yName))) +
      kCellPadding;
}

QRect MapCanvas::GridRect() const {
  return {kMargin + geometry_.rowHeaderWidth, kMargin + geometry_.cellHeight,
          geometry_.cellWidth * static_cast<int>(picture_.xValues.size()),
          geometry_.cellHeight * static_cast<int>(picture_.yValues.size())};
}

QRect MapCanvas::CellRect(int x, int y) const {
  const QRect grid = GridRect();
  return {grid.left() + x * geometry_.cellWidth, grid.top() + y * geometry_.cellHeight,
          geometry_.cellWidth, geometry_.cellHeight};
}

QSize MapCanvas::sizeHint() const {
  const QRect grid = GridRect();
  const int legendWidth = std::min(kWidestLegend, std::max(grid.width(), kWidestLegend / 2));
  return {std::max(grid.right(), grid.left() + legendWidth) + 1 + kMargin,
          grid.bottom() + 1 + kLegendGap + MapLegendHeight(QFontMetrics(font())) + kMargin};
}

QPoint MapCanvas::CellAt(const QPoint& point) const {
  const QRect grid = GridRect();
  if (!grid.contains(point)) return {-1, -1};
  return {(point.x() - grid.left()) / geometry_.cellWidth,
          (point.y() - grid.top()) / geometry_.cellHeight};
}

QImage MapCanvas::Image() const {
  QImage image(sizeHint(), QImage::Format_RGB32);
  image.fill(palette().color(QPalette::Window));
  QPainter painter(&image);
  painter.setFont(font());
  Paint(painter);
  return image;
}

void MapCanvas::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  Paint(painter);
}

void MapCanvas::Paint(QPainter& painter) const {
  if (picture_.xValues.isEmpty()) return;
  PaintHeaders(painter);
  PaintCells(painter);
  const QRect grid = GridRect();
  const int legendWidth = std::min(kWidestLegend, std::max(grid.width(), kWidestLegend / 2));
  PaintMapLegend(painter, picture_.scale,
                 QRect(grid.left(), grid.bottom() + 1 + kLegendGap, legendWidth,
                       MapLegendHeight(painter.fontMetrics())));
}

void MapCanvas::PaintHeaders(QPainter& painter) const {
  painter.setPen(palette().color(QPalette::WindowText));
  const QRect grid = GridRect();
  painter.drawText(QRect(kMargin, kMargin, geometry_.rowHeaderWidth, geometry_.cellHeight),
                   Qt::AlignCenter, AxesCornerText(picture_.xName, picture_.yName));
  for (int x = 0; x < picture_.xValues.size(); ++x) {
    const QRect cell = CellRect(x, 0);
    painter.drawText(QRect(cell.left(), kMargin, cell.width(), geometry_.cellHeight),
                     Qt::AlignCenter, picture_.xValues[x]);
  }
  for (int y = 0; y < picture_.yValues.size(); ++y) {
    const QRect cell = CellRect(0, y);
    painter.drawText(
        QRect(kMargin, cell.top(), geometry_.rowHeaderWidth - kCellPadding / 2, cell.height()),
        Qt::AlignRight | Qt::AlignVCenter, picture_.yValues[y]);
  }
  painter.setPen(Qt::lightGray);
  painter.drawRect(grid.adjusted(0, 0, -1, -1));
}

void MapCanvas::PaintCells(QPainter& painter) const {
  for (int y = 0; y < picture_.yValues.size(); ++y) {
    for (int x = 0; x < picture_.xValues.size(); ++x) {
      const MapCellPicture& cell = picture_.Cell(x, y);
      const QRect place = CellRect(x, y);
      painter.setPen(Qt::lightGray);
      painter.drawRect(place.adjusted(0, 0, -1, -1));
      if (cell.passes == 0) continue;
      if (cell.figure.isEmpty()) {
        painter.fillRect(place.adjusted(1, 1, -1, -1), kNoFigure);
        continue;
      }
      const QColor background = picture_.scale.ColourOf(cell.value);
      painter.fillRect(place.adjusted(1, 1, -1, -1), background);
      painter.setPen(FigureColour(background));
      painter.drawText(place, Qt::AlignCenter, cell.figure);
    }
  }
  if (marked_.x() < 0) return;
  // Black with a white line inside, seen on pale and on strong colours alike.
  const QRect cell = CellRect(marked_.x(), marked_.y());
  QPen frame(Qt::black, kMarkWidth);
  frame.setJoinStyle(Qt::MiterJoin);
  painter.setPen(frame);
  painter.setBrush(Qt::NoBrush);
  const int inset = kMarkWidth / 2 + 1;
  painter.drawRect(cell.adjusted(inset, inset, -inset, -inset));
  painter.setPen(Qt::white);
  const int inner = kMarkWidth + 1;
  painter.drawRect(cell.adjusted(inner, inner, -inner - 1, -inner - 1));
}

void MapCanvas::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton) return;
  const QPoint cell = CellAt(event->position().toPoint());
  if (cell.x() < 0 || picture_.Cell(cell.x(), cell.y()).bestPass == 0) return;
  emit cellClicked(cell.x(), cell.y());
}

bool MapCanvas::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  const QPoint cell = CellAt(help->pos());
  if (cell.x() < 0 || picture_.Cell(cell.x(), cell.y()).passes == 0) {
    QToolTip::hideText();
    event->ignore();
    return true;
  }
  const MapCellPicture& shown = picture_.Cell(cell.x(), cell.y());
  QToolTip::showText(help->globalPos(), CellToolTip(shown.passes, shown.bestPass), this,
                     CellRect(cell.x(), cell.y()));
  return true;
}

}  // namespace kvl::ui
