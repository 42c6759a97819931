#pragma once

#include <QIcon>
#include <QPixmap>

namespace kvl::ui {

// The application icon in 16, 24, 32 and 48 pixels.
QIcon ApplicationIcon();
// The banner of the window's top panel, 537x94.
QPixmap Banner();

}  // namespace kvl::ui
