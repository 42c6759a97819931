#include "ApplicationEntry.h"

#include "Application.h"
#include "Artwork.h"
#include "ErrorReport.h"

int RunApplication(char* programPath, const FormFactory& createForm) {
  int argc = 1;
  char* argv[] = {programPath, nullptr};
  TApplication application(argc, argv);
  try {
    QApplication::setWindowIcon(ApplicationIcon());
    const std::unique_ptr<QWidget> form = createForm();
    form->show();
    QApplication::exec();
  } catch (...) {
    ReportCurrentException();
  }
  return 0;
}
