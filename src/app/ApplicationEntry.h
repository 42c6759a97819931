#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

namespace kvl::app {

// Creates the main window; a `report` that is not empty is to be opened once the loop runs.
using MainWindowFactory = std::function<std::unique_ptr<QWidget>(const QString& report)>;

// The program's life: brings up the application object with Qt's texts in Russian, reads the
// command line (a report to open, or help or version, answered without a window), creates the
// main window, shows it and runs the event loop until it is closed. A failure that escapes
// start-up or the loop is shown in the error box. Returns 0 once a window has been asked for.
int RunApplication(int argc, char** argv, const MainWindowFactory& createWindow);

}  // namespace kvl::app
