#include "ErrorReport.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <exception>
#include <new>

#include "ErrorText.h"
#include "Exceptions.h"

QString ApplicationTitle() {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

std::function<void(const QString& caption, const QString& text)> ErrorBoxStandIn;

void ShowException(const Exception& failure) {
  const QString text = QString::fromStdString(ErrorBoxText(failure.Message()));
  if (ErrorBoxStandIn) {
    ErrorBoxStandIn(ApplicationTitle(), text);
    return;
  }
  QMessageBox box(QMessageBox::Critical, ApplicationTitle(), text, QMessageBox::Ok,
                  QApplication::activeWindow());
  box.exec();
}

void ReportCurrentException() {
  try {
    throw;
  } catch (const EAbort&) {
  } catch (const Exception& failure) {
    ShowException(failure);
  } catch (const std::bad_alloc&) {
    ShowException(EOutOfMemory());
  } catch (const std::exception& failure) {
    ShowException(Exception(failure.what()));
  } catch (...) {
    ShowException(Exception(""));
  }
}
