#include "NativePath.h"

#include <QFile>

std::string NativePath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}
