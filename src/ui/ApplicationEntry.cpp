#include "ApplicationEntry.h"

#include <QIcon>

#include "Application.h"
#include "ErrorReport.h"

namespace {

QIcon ApplicationIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48}) {
    icon.addFile(QStringLiteral(":/kvl/icon-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

}  // namespace

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
