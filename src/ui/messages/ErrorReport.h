#pragma once

#include <utility>

#include "MessageBoxes.h"

namespace kvl::core {
class Exception;
}

namespace kvl::ui {

// A modal box with the error icon, one OK button and the application title as caption.
void ShowException(const core::Exception& failure);

// When set, answers in place of the error box.
extern BoxStandIn ErrorBoxStandIn;

// Reports the exception being handled: EAbort silently dropped, an Exception shown as it is,
// std::bad_alloc as EOutOfMemory, another std::exception by its what(), anything else as an empty
// message. Call only inside a catch.
void ReportCurrentException();

// Runs one event handler; a failure leaving it is reported and the window goes on.
template <class Handler>
void GuardEvent(Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
  } catch (...) {
    ReportCurrentException();
  }
}

}  // namespace kvl::ui
