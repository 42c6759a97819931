#include "ApplicationEntry.h"

#include <ui/look/Artwork.h>
#include <ui/messages/ErrorReport.h>

#include "Application.h"
#include "StartArguments.h"
#include "Translations.h"

namespace kvl::app {

int RunApplication(int argc, char** argv, const MainWindowFactory& createWindow) {
  Application application(argc, argv);
  try {
    InstallRussianTranslations();
    QApplication::setApplicationVersion(QStringLiteral(KVL_VERSION));
    const StartArguments start = ReadStartArguments(QApplication::arguments());
    if (start.exitCode) return *start.exitCode;
    QApplication::setWindowIcon(ui::ApplicationIcon());
    const std::unique_ptr<QWidget> window = createWindow(start.report);
    window->show();
    QApplication::exec();
  } catch (...) {
    ui::ReportCurrentException();
  }
  return 0;
}

}  // namespace kvl::app
