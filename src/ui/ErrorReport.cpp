#include "ErrorReport.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <exception>

#include "ErrorText.h"
#include "Exceptions.h"

QString ApplicationTitle() {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

void ShowException(const Exception& failure) {
  QMessageBox box(QMessageBox::Critical, ApplicationTitle(),
                  QString::fromStdString(ErrorBoxText(failure.Message())), QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

void ReportCurrentException() {
  try {
    throw;
  } catch (const EAbort&) {
  } catch (const Exception& failure) {
    ShowException(failure);
  } catch (const std::exception& failure) {
    ShowException(Exception(failure.what()));
  } catch (...) {
    ShowException(Exception(""));
  }
}
