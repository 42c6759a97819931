#include "SetFileName.h"

namespace kvl::ui {

QString WithSetExtension(const QString& path) {
  const QString extension = QStringLiteral(".set");
  if (path.endsWith(extension, Qt::CaseInsensitive)) return path;
  return path + extension;
}

}  // namespace kvl::ui
