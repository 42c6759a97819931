#include <ui/mainwindow/MainWindow.h>

#include "ApplicationEntry.h"

int main(int argc, char** argv) {
  return RunApplication(argc, argv, &CreateMainWindow);
}
