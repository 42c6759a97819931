#include "ErrorReport.h"

#include <exception>
#include <new>

#include <core/ErrorText.h>
#include <core/Exceptions.h>

namespace kvl::ui {

BoxStandIn ErrorBoxStandIn;

void ShowException(const core::Exception& failure) {
  ShowOkBox(QMessageBox::Critical, QString::fromStdString(core::ErrorBoxText(failure.Message())),
            ErrorBoxStandIn);
}

void ReportCurrentException() {
  try {
    throw;
  } catch (const core::EAbort&) {
  } catch (const core::Exception& failure) {
    ShowException(failure);
  } catch (const std::bad_alloc&) {
    ShowException(core::EOutOfMemory());
  } catch (const std::exception& failure) {
    ShowException(core::Exception(failure.what()));
  } catch (...) {
    ShowException(core::Exception(""));
  }
}

}  // namespace kvl::ui
