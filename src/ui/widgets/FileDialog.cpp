#include "FileDialog.h"

#include <QFileDialog>
#include <QFileInfo>

#include "LastFolder.h"

namespace kvl::ui {

QStringList NameFiltersOf(const QString& filter) {
  const QStringList parts = filter.split(u'|');
  QStringList nameFilters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(u';', u' ');
    nameFilters.append(parts[i] + QStringLiteral(" (") + patterns + u')');
  }
  return nameFilters;
}

bool FileDialog::Execute() {
  if (Chooser) return Chooser(*this);

  // The desktop's own dialog where the platform offers one, Qt's elsewhere.
  QFileDialog dialog(owner_);
  const QString folder = LastFolder();
  if (!folder.isEmpty()) dialog.setDirectory(folder);
  dialog.setFileMode(QFileDialog::AnyFile);
  if (kind_ == Kind::Save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
  }
  dialog.setNameFilters(NameFiltersOf(Filter));
  dialog.setDefaultSuffix(DefaultExt);
  if (!FileName.isEmpty()) dialog.selectFile(FileName);
  if (dialog.exec() != QDialog::Accepted) return false;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return false;
  FileName = chosen.first();
  RememberLastFolder(QFileInfo(FileName).absolutePath());
  return true;
}

}  // namespace kvl::ui
