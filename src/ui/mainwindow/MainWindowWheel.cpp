#include <QApplication>
#include <QDropEvent>
#include <QWheelEvent>

#include <ui/messages/ErrorReport.h>
#include <ui/widgets/ParameterPanel.h>
#include <ui/widgets/ResultsView.h>

#include "MainWindow.h"

namespace kvl::ui {

namespace {

constexpr int kWheelNotch = 120;

}  // namespace

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != this) return false;
  switch (event->type()) {
    case QEvent::Wheel:
      if (forwardingWheel_) return false;
      RouteWheel(static_cast<QWheelEvent*>(event));
      return true;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
      return RouteDrop(static_cast<QDropEvent*>(event));
    default:
      return false;
  }
}

// The wheel goes to the control with the keyboard focus, whatever is under the pointer. The
// list and the panel scroll themselves; what no control takes reaches the window, one handler
// call per notch.
void MainWindow::RouteWheel(QWheelEvent* event) {
  QWidget* focused = focusWidget();
  for (QAbstractScrollArea* control : {static_cast<QAbstractScrollArea*>(resultsView_),
                                       static_cast<QAbstractScrollArea*>(parameterPanel_)}) {
    if (focused == nullptr || (focused != control && !control->isAncestorOf(focused))) continue;
    QWidget* target = control->viewport();
    QWheelEvent forwarded(target->mapFromGlobal(event->globalPosition()), event->globalPosition(),
                          event->pixelDelta(), event->angleDelta(), event->buttons(),
                          event->modifiers(), event->phase(), event->inverted());
    forwardingWheel_ = true;
    QApplication::sendEvent(target, &forwarded);
    forwardingWheel_ = false;
    return;
  }
  wheelRemainder_ += event->angleDelta().y();
  for (; wheelRemainder_ >= kWheelNotch; wheelRemainder_ -= kWheelNotch) {
    GuardEvent([&] { WheelNotch(1); });
  }
  for (; wheelRemainder_ <= -kWheelNotch; wheelRemainder_ += kWheelNotch) {
    GuardEvent([&] { WheelNotch(-1); });
  }
}

}  // namespace kvl::ui
