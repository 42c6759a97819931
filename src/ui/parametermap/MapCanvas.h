#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

#include "MapPicture.h"

namespace kvl::ui {

// The map drawn as a grid of coloured cells: the X values as column headers, the Y values as row
// headers, the figure in each cell and the legend under the grid. A cell's tooltip names its
// passes; a click on a cell that holds passes is reported.
class MapCanvas : public QWidget {
  Q_OBJECT

 public:
  explicit MapCanvas(QWidget* parent);

  void Show(MapPicture picture);
  const MapPicture& Picture() const { return picture_; }
  // Frames the cell (x, y), the cell of the chosen pass; x < 0 frames none.
  void Mark(int x, int y);
  QPoint Marked() const { return marked_; }

  // The cell's place in the canvas.
  QRect CellRect(int x, int y) const;
  // The whole map, also where it is scrolled out of sight.
  QImage Image() const;

  QSize sizeHint() const override;

 signals:
  // A left click on a cell that holds a pass.
  void cellClicked(int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  struct Geometry {
    int rowHeaderWidth = 0;
    int cellWidth = 0;
    int cellHeight = 0;
  };

  void Measure();
  void Paint(QPainter& painter) const;
  void PaintHeaders(QPainter& painter) const;
  void PaintCells(QPainter& painter) const;
  // The cell under `point`, or (-1, -1).
  QPoint CellAt(const QPoint& point) const;
  QRect GridRect() const;

  MapPicture picture_;
  Geometry geometry_;
  QPoint marked_{-1, -1};
};

}  // namespace kvl::ui
