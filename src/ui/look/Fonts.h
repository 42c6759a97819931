#pragma once

#include <QFont>
#include <QString>

namespace kvl::ui {

// A font by family and character height in pixels at 96 dpi. Where the family is not
// installed, DejaVu Sans stands in: it is close in width and always present on the target.
QFont DesignFont(const QString& family, int characterHeight);

}  // namespace kvl::ui
