#pragma once

#include <QString>
#include <string>

namespace kvl::ui {

// File names as the core takes them: the system's bytes on Linux, UTF-8 on Windows.
std::string NativePath(const QString& path);

}  // namespace kvl::ui
