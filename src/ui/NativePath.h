#pragma once

#include <QString>
#include <string>

// File names as the operating system takes them.
std::string NativePath(const QString& path);
