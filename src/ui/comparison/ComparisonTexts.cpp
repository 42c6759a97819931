#include "ComparisonTexts.h"

#include <QDateTime>
#include <QDir>
#include <cmath>

#include <core/ErrorText.h>
#include <core/join/TestedPeriod.h>
#include <ui/encoding/AnsiText.h>
#include <ui/messages/UserTexts.h>

#include "JoinedReports.h"

namespace kvl::ui {

namespace {

QString Names(const std::vector<std::string_view>& names) {
  QStringList texts;
  for (const std::string_view name : names) texts.append(AnsiToQString(name));
  return texts.join(QStringLiteral(", "));
}

QString DateOf(std::int64_t minute) {
  return QDateTime::fromSecsSinceEpoch(minute * 60, Qt::UTC)
      .toString(QStringLiteral("yyyy.MM.dd HH:mm"));
}

QString PeriodText(const QString& label, const std::optional<core::TestedPeriod>& period) {
  if (!period) return QStringLiteral(u"%1 — период не прочитан").arg(label);
  return QStringLiteral(u"%1 — %2 … %3")
      .arg(label, DateOf(period->fromMinute), DateOf(period->toMinute));
}

QString PercentOf(std::size_t part, std::size_t whole) {
  return QString::number(
      std::lround(100.0 * static_cast<double>(part) / static_cast<double>(whole)));
}

}  // namespace

QString CompareMenuText() {
  return QStringLiteral(u"Сравнить с отчётом…");
}

QString ComparisonCaption() {
  return QStringLiteral(u"Сравнение с отчётом");
}

QString OtherReportUnreadableText(const QString& path, const std::string& reason) {
  return QStringLiteral(u"Не удалось прочитать отчёт «%1».\n%2")
      .arg(QDir::toNativeSeparators(path), QString::fromStdString(core::ErrorBoxText(reason)));
}

QString NoSharedInputText(const std::array<QString, 2>& labels, const core::PairInputs& inputs) {
  return QStringLiteral(
             u"У отчётов «%1» и «%2» нет общих входных параметров: проходы не с чем "
             u"сопоставить.\nПараметры только одного из отчётов: %3.")
      .arg(labels[0], labels[1], Names(inputs.ignored));
}

QString SummaryText(const JoinedReports& joined) {
  const auto& [base, other] = joined.labels;
  const core::ReportJoin& join = *joined.join;
  const core::ComparedCounts& baseCounts = join.CountsOf(0);
  const core::ComparedCounts& otherCounts = join.CountsOf(1);
  const core::PairInputs& inputs = join.InputsOf(1);
  const core::OutOfSample& bearOut = joined.bearOut;

  QStringList lines;
  lines.append(QStringLiteral(u"Периоды: %1; %2.")
                   .arg(PeriodText(base, joined.reports[0].period),
                        PeriodText(other, joined.reports[1].period)));
  lines.append(QStringLiteral(u"Сопоставлено проходов: %1 (в «%2» %3, в «%4» %5).")
                   .arg(QString::number(join.RowCount()), base, QString::number(baseCounts.passes),
                        other, QString::number(otherCounts.passes)));
  lines.append(QStringLiteral(u"Без пары: %1 в «%2», %3 в «%4».")
                   .arg(QString::number(baseCounts.unmatched), base,
                        QString::number(otherCounts.unmatched), other));
  if (baseCounts.leftOut + otherCounts.leftOut + baseCounts.repeated + otherCounts.repeated > 0) {
    lines.append(
        QStringLiteral(u"Не сопоставлялись: проходы с нечитаемыми параметрами — %1 в «%2», "
                       u"%3 в «%4»; повторы входов уже встреченного прохода — %5 в «%2», "
                       u"%6 в «%4».")
            .arg(QString::number(baseCounts.leftOut), base, QString::number(otherCounts.leftOut),
                 other, QString::number(baseCounts.repeated),
                 QString::number(otherCounts.repeated)));
  }
  lines.append(inputs.ignored.empty()
                   ? QStringLiteral(u"Учтены все входные параметры.")
                   : QStringLiteral(u"Не учтены параметры только одного отчёта: %1.")
                         .arg(Names(inputs.ignored)));
  lines.append(
      bearOut.rankCorrelation
          ? QStringLiteral(u"Ранговая корреляция прибыли (Спирмен): %1.")
                .arg(QString::number(static_cast<double>(*bearOut.rankCorrelation), 'f', 2))
          : QStringLiteral(u"Ранговая корреляция прибыли (Спирмен): нет — мало проходов "
                           u"или одинаковая прибыль."));
  lines.append(bearOut.bestTenth == 0
                   ? QStringLiteral(u"Лучшей десятой части нет: нет сопоставленных проходов.")
                   : QStringLiteral(u"Лучшая десятая часть «%1» по прибыли: в «%2» прибыльны %3 "
                                    u"из %4 (%5%).")
                         .arg(base, other, QString::number(bearOut.bestTenthProfitable),
                              QString::number(bearOut.bestTenth),
                              PercentOf(bearOut.bestTenthProfitable, bearOut.bestTenth)));
  return lines.join(u'\n');
}

QStringList JoinedColumnCaptions(const std::array<QString, 2>& labels) {
  const auto& [base, other] = labels;
  // The report's label on a line of its own keeps the columns narrow.
  return {QStringLiteral(u"Проход"),
          QStringLiteral(u"Прибыль\n%1").arg(base),
          QStringLiteral(u"Прибыль\n%1").arg(other),
          QStringLiteral(u"Просадка %\n%1").arg(base),
          QStringLiteral(u"Просадка %\n%1").arg(other),
          QStringLiteral(u"Сделок\n%1").arg(base),
          QStringLiteral(u"Сделок\n%1").arg(other),
          QStringLiteral(u"Худшая\nприбыль"),
          QStringLiteral(u"Эффективность")};
}

QString ProfitAxisTitle(const QString& label) {
  return QStringLiteral(u"Прибыль, %1").arg(label);
}

QString JoinedPassesSeriesName() {
  return QStringLiteral(u"сопоставленные проходы");
}

QString SameProfitSeriesName() {
  return QStringLiteral(u"одинаковая прибыль");
}

QString ThinnedPointsText(int cells) {
  return QStringLiteral(u"Проходов много: поле разбито на %1 × %1 клеток, в каждой одна точка")
      .arg(cells);
}

}  // namespace kvl::ui
