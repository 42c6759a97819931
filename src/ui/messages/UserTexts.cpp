#include "UserTexts.h"

#include <QDir>

namespace kvl::ui {

QString PassCountText(int passes) {
  const int lastTwo = passes % 100;
  const int last = passes % 10;
  const char16_t* word = u"проходов";
  if (last == 1 && lastTwo != 11) {
    word = u"проход";
  } else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14)) {
    word = u"прохода";
  }
  return QString::number(passes) + u' ' + QString::fromUtf16(word);
}

QString LoadedStatusText(const QString& fileName, int passes) {
  return QStringLiteral(u"Загружен файл %1: %2").arg(fileName, PassCountText(passes));
}

QString WrittenStatusText(const QString& path) {
  return QStringLiteral(u"Записан файл %1").arg(QDir::toNativeSeparators(path));
}

QString NothingToExportText() {
  return QStringLiteral(u"Нет параметров для экспорта: выберите проход");
}

QString NotAReportText(const QString& path) {
  return QStringLiteral(u"В файле «%1» нет таблицы результатов оптимизации.")
      .arg(QDir::toNativeSeparators(path));
}

}  // namespace kvl::ui
