#include "Artwork.h"

namespace kvl::ui {

QIcon ApplicationIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48}) {
    icon.addFile(QStringLiteral(":/kvl/icon-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

QPixmap Banner() {
  return QPixmap(QStringLiteral(":/kvl/banner.jpg"));
}

}  // namespace kvl::ui
