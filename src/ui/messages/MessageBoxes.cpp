#include "MessageBoxes.h"

#include <QApplication>
#include <QFileInfo>

namespace kvl::ui {

QString ApplicationTitle() {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

void ShowOkBox(QMessageBox::Icon icon, const QString& text, const BoxStandIn& standIn) {
  if (standIn) {
    standIn(ApplicationTitle(), text);
    return;
  }
  QMessageBox box(icon, ApplicationTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
  box.exec();
}

BoxStandIn InformationBoxStandIn;

void ShowInformation(const QString& text) {
  ShowOkBox(QMessageBox::Information, text, InformationBoxStandIn);
}

BoxStandIn WarningBoxStandIn;

void ShowWarning(const QString& text) {
  ShowOkBox(QMessageBox::Warning, text, WarningBoxStandIn);
}

}  // namespace kvl::ui
