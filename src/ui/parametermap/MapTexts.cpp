#include "MapTexts.h"

#include <QDir>
#include <algorithm>
#include <utility>

#include <core/ResultColumns.h>
#include <ui/messages/UserTexts.h>

namespace kvl::ui {

QString ParameterMapMenuText() {
  return QStringLiteral(u"Карта параметров…");
}

QString ParameterMapCaption() {
  return QStringLiteral(u"Карта параметров");
}

QString SavePictureText() {
  return QStringLiteral(u"Сохранить картинку…");
}

QString NoYAxisText() {
  return QStringLiteral(u"—");
}

QString ColumnCaption(int columnId) {
  const std::string_view caption =
      core::kResultColumns.at(static_cast<std::size_t>(columnId)).caption;
  return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

QStringList AggregateCaptions() {
  return {QStringLiteral(u"максимум"), QStringLiteral(u"среднее"), QStringLiteral(u"минимум"),
          QStringLiteral(u"число проходов")};
}

QString ProfileLineName(ProfileLine line) {
  switch (line) {
    case ProfileLine::Minimum:
      return QStringLiteral(u"минимум");
    case ProfileLine::Mean:
      return QStringLiteral(u"среднее");
    case ProfileLine::Maximum:
      break;
  }
  return QStringLiteral(u"максимум");
}

QString ChosenPassName() {
  return QStringLiteral(u"выбранный проход");
}

QString AxesCornerText(const QString& xName, const QString& yName) {
  return yName + QStringLiteral(u" \\ ") + xName;
}

QString CellToolTip(int passes, int bestPass) {
  if (bestPass == 0) return PassCountText(passes);
  return QStringLiteral(u"%1, лучший — проход %2").arg(PassCountText(passes)).arg(bestPass);
}

QString NeighbourhoodText(int neighbours, int possible, const QString& column,
                          const QString& minimum, const QString& mean) {
  const QString count = QStringLiteral(u"Соседей: %1 из %2; ").arg(neighbours).arg(possible);
  // The pass's own figures alone would read as a plateau.
  if (neighbours == 0) return count + QStringLiteral(u"окрестности нет — проход стоит одиноко");
  const QString start = count + QStringLiteral(u"%1 в окрестности: ").arg(column.toLower());
  if (minimum.isEmpty()) return start + QStringLiteral(u"не все значения — числа");
  return start + QStringLiteral(u"мин. %1, средн. %2").arg(minimum, mean);
}

QString NoPassChosenText() {
  return QStringLiteral(u"Выберите проход в списке или щёлкните клетку карты.");
}

QString PassNotOnMapText(int pass) {
  return QStringLiteral(u"Проход %1 не вошёл в карту.").arg(pass);
}

QString PassesOnMapText(std::size_t onMap, const std::vector<core::LeftOutPass>& leftOut) {
  QString text = QStringLiteral(u"На карте: %1; не вошли: %2")
                     .arg(PassCountText(static_cast<int>(onMap)))
                     .arg(leftOut.size());
  if (leftOut.empty()) return text;
  const std::pair<core::LeftOutReason, const char16_t*> reasons[] = {
      {core::LeftOutReason::kNotPairs, u"параметры не разбираются"},
      {core::LeftOutReason::kRepeatedName, u"имя параметра повторяется"},
      {core::LeftOutReason::kMissingName, u"не хватает параметра"},
      {core::LeftOutReason::kExtraName, u"лишний параметр"},
  };
  QStringList why;
  for (const auto& [reason, words] : reasons) {
    const auto count =
        std::count_if(leftOut.begin(), leftOut.end(),
                      [reason](const core::LeftOutPass& pass) { return pass.reason == reason; });
    if (count > 0)
      why.append(QString::fromUtf16(words) + QStringLiteral(u" — ") + QString::number(count));
  }
  return text + QStringLiteral(" (") + why.join(QStringLiteral(", ")) + u')';
}

QString NoReportText() {
  return QStringLiteral(u"Загрузите отчёт в главном окне: карта строится по его проходам.");
}

QString NoOptimizedParametersText() {
  return QStringLiteral(
      u"В отчёте нет оптимизированных параметров: у всех проходов они одни и те же.");
}

QString SameAxesText() {
  return QStringLiteral(u"Для X и Y выберите разные параметры.");
}

QString PictureFileName(const QString& xName, const QString& yName) {
  if (yName.isEmpty()) return QStringLiteral(u"профиль %1.png").arg(xName);
  return QStringLiteral(u"карта %1-%2.png").arg(xName, yName);
}

QString PictureNotSavedText(const QString& path, const QString& reason) {
  return QStringLiteral(u"Не удалось сохранить картинку в файл «%1»: %2")
      .arg(QDir::toNativeSeparators(path), reason);
}

}  // namespace kvl::ui
