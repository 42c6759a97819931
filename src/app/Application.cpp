#include "Application.h"

#include <ui/messages/ErrorReport.h>

namespace kvl::app {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    ui::ReportCurrentException();
    return false;
  }
}

}  // namespace kvl::app
