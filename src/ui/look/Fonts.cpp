#include "Fonts.h"

#include <QStringList>

namespace kvl::ui {

QFont DesignFont(const QString& family, int characterHeight) {
  QFont font;
  font.setFamilies({family, QStringLiteral("DejaVu Sans")});
  font.setPixelSize(characterHeight);
  return font;
}

}  // namespace kvl::ui
