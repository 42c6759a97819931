#include "NativePath.h"

#include <QFile>

namespace kvl::ui {

std::string NativePath(const QString& path) {
#ifdef Q_OS_WIN
  // The core takes UTF-8 there and hands it to the system as UTF-16; the local 8-bit encoding
  // would lose every character outside the ANSI code page.
  return path.toStdString();
#else
  return QFile::encodeName(path).toStdString();
#endif
}

}  // namespace kvl::ui
