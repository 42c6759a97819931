#include <ui/mainwindow/MainWindow.h>

#include "ApplicationEntry.h"

int main(int argc, char** argv) {
  return kvl::app::RunApplication(argc, argv, &kvl::ui::CreateMainWindow);
}
