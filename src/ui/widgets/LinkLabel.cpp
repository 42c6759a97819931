#include "LinkLabel.h"

#include <QDesktopServices>
#include <QMouseEvent>

namespace kvl::ui {

namespace {
const QColor kVisitedColour(128, 0, 128);
}

LinkLabel::LinkLabel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent), Open(&QDesktopServices::openUrl) {
  setCursor(Qt::PointingHandCursor);
  ShowColour(palette().color(QPalette::Active, QPalette::Highlight));
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
  if (!Open(URL)) return;
  ShowColour(kVisitedColour);
}

void LinkLabel::ShowColour(const QColor& colour) {
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, colour);
  setPalette(colours);
}

}  // namespace kvl::ui
