#include "Button.h"

#include <QKeyEvent>

TButton::TButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void TButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}
