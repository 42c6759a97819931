#pragma once

#include <QString>

namespace kvl::ui {

// The export's file name: ".set" appended unless the name already ends in it, in any case.
QString WithSetExtension(const QString& path);

}  // namespace kvl::ui
