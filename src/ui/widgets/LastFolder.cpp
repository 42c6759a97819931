#include "LastFolder.h"

#include <QDir>
#include <QSettings>

namespace kvl::ui {

namespace {

// ~/.config/kvl-ridavu/kvl-ridavu.conf on Linux.
const QString kOrganisation = QStringLiteral("kvl-ridavu");
const QString kApplication = QStringLiteral("kvl-ridavu");
const QString kKey = QStringLiteral("dialogs/lastFolder");

}  // namespace

QString LastFolder() {
  const QSettings settings(kOrganisation, kApplication);
  const QString folder = settings.value(kKey).toString();
  return !folder.isEmpty() && QDir(folder).exists() ? folder : QString();
}

void RememberLastFolder(const QString& folder) {
  QSettings settings(kOrganisation, kApplication);
  settings.setValue(kKey, folder);
}

}  // namespace kvl::ui
