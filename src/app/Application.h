#pragma once

#include <QApplication>

namespace kvl::app {

// The application object. Handlers are guarded where they are raised; this catches what a
// handler called from inside Qt's own event handling lets through, so no failure ends the loop.
class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace kvl::app
