#include "EnterButton.h"

#include <QKeyEvent>

namespace kvl::ui {

EnterButton::EnterButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void EnterButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

}  // namespace kvl::ui
