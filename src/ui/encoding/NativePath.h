#pragma once

#include <QString>
#include <string>

// File names as the core takes them: the system's bytes on Linux, UTF-8 on Windows.
std::string NativePath(const QString& path);
