#include "ErrorReport.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <exception>

#include "Exceptions.h"

QString ApplicationTitle() {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString ErrorBoxText(const QString& message) {
  if (!message.isEmpty() && message.back().unicode() > u'.') return message + u'.';
  return message;
}

void ShowException(const Exception& failure) {
  QMessageBox box(QMessageBox::Critical, ApplicationTitle(),
                  ErrorBoxText(QString::fromStdString(failure.Message())), QMessageBox::Ok,
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
