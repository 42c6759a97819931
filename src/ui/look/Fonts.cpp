#include "Fonts.h"

#include <QStringList>

QFont DesignFont(const QString& family, int characterHeight) {
  QFont font;
  font.setFamilies({family, QStringLiteral("DejaVu Sans")});
  font.setPixelSize(characterHeight);
  return font;
}
