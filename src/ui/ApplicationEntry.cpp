#include "ApplicationEntry.h"

#include "Application.h"
#include "Artwork.h"
#include "ErrorReport.h"
#include "StartArguments.h"
#include "Translations.h"

int RunApplication(int argc, char** argv, const FormFactory& createForm) {
  TApplication application(argc, argv);
  try {
    InstallRussianTranslations();
    QApplication::setApplicationVersion(QStringLiteral(KVL_VERSION));
    const StartArguments start = ReadStartArguments(QApplication::arguments());
    if (start.exitCode) return *start.exitCode;
    QApplication::setWindowIcon(ApplicationIcon());
    const std::unique_ptr<QWidget> form = createForm(start.report);
    form->show();
    QApplication::exec();
  } catch (...) {
    ReportCurrentException();
  }
  return 0;
}
