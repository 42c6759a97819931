#pragma once

#include <QWidget>
#include <functional>
#include <memory>

using FormFactory = std::function<std::unique_ptr<QWidget>()>;

// The program's life: brings up the application object (the command line is not read), creates
// the main window, shows it and runs the event loop until it is closed. A failure that escapes
// start-up or the loop is shown in the error box. Always returns exit code 0.
int RunApplication(char* programPath, const FormFactory& createForm);
