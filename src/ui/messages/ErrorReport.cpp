#include "ErrorReport.h"

#include <exception>
#include <new>

#include <core/ErrorText.h>
#include <core/Exceptions.h>

BoxStandIn ErrorBoxStandIn;

void ShowException(const Exception& failure) {
  ShowOkBox(QMessageBox::Critical, QString::fromStdString(ErrorBoxText(failure.Message())),
            ErrorBoxStandIn);
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
