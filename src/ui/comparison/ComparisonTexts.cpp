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

QString AddReportText() {
  return QStringLiteral(u"Добавить отчёт…");
}

QString OtherAxisText() {
  return QStringLiteral(u"По вертикали:");
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
  const QStringList& labels = joined.labels;
  const core::ReportJoin& join = *joined.join;
  const std::size_t n = joined.reports.size();
  auto perReport = [&](auto text, const QString& separator = QStringLiteral(", ")) {
    QStringList parts;
    for (std::size_t r = 0; r < n; ++r) parts.append(text(r, labels[static_cast<qsizetype>(r)]));
    return parts.join(separator);
  };

  QStringList lines;
  lines.append(QStringLiteral(u"Периоды: %1.")
                   .arg(perReport(
                       [&](std::size_t r, const QString& label) {
                         return PeriodText(label, joined.reports[r].period);
                       },
                       QStringLiteral("; "))));
  lines.append(
      QStringLiteral(u"Сопоставлено проходов: %1 (%2).")
          .arg(QString::number(join.RowCount()),
               perReport([&](std::size_t r, const QString& label) {
                 return QStringLiteral(u"в «%1» %2").arg(label).arg(join.CountsOf(r).passes);
               })));
  lines.append(
      QStringLiteral(u"Без пары: %1.").arg(perReport([&](std::size_t r, const QString& label) {
        return QStringLiteral(u"%1 в «%2»").arg(join.CountsOf(r).unmatched).arg(label);
      })));
  std::size_t leftOut = 0;
  for (std::size_t r = 0; r < n; ++r)
    leftOut += join.CountsOf(r).leftOut + join.CountsOf(r).repeated;
  if (leftOut > 0) {
    lines.append(
        QStringLiteral(u"Не сопоставлялись: проходы с нечитаемыми параметрами — %1; повторы "
                       u"входов уже встреченного прохода — %2.")
            .arg(perReport([&](std::size_t r, const QString& label) {
                   return QStringLiteral(u"%1 в «%2»").arg(join.CountsOf(r).leftOut).arg(label);
                 }),
                 perReport([&](std::size_t r, const QString& label) {
                   return QStringLiteral(u"%1 в «%2»").arg(join.CountsOf(r).repeated).arg(label);
                 })));
  }
  for (std::size_t r = 1; r < n; ++r) {
    const QString& other = labels[static_cast<qsizetype>(r)];
    const core::PairInputs& inputs = join.InputsOf(r);
    const core::OutOfSample& bearOut = joined.bearOuts[r - 1];
    const QString pair = n > 2 ? QStringLiteral(u"«%1»: ").arg(other) : QString();
    if (!inputs.ignored.empty()) {
      lines.append(pair + QStringLiteral(u"Не учтены параметры только одного отчёта: %1.")
                              .arg(Names(inputs.ignored)));
    } else if (n == 2) {
      lines.append(QStringLiteral(u"Учтены все входные параметры."));
    }
    lines.append(
        pair +
        (bearOut.rankCorrelation
             ? QStringLiteral(u"Ранговая корреляция прибыли (Спирмен): %1.")
                   .arg(QString::number(static_cast<double>(*bearOut.rankCorrelation), 'f', 2))
             : QStringLiteral(u"Ранговая корреляция прибыли (Спирмен): нет — мало проходов "
                              u"или одинаковая прибыль.")));
    lines.append(pair +
                 (bearOut.bestTenth == 0
                      ? QStringLiteral(u"Лучшей десятой части нет: нет сопоставленных проходов.")
                      : QStringLiteral(u"Лучшая десятая часть «%1» по прибыли: в «%2» прибыльны "
                                       u"%3 из %4 (%5%).")
                            .arg(labels[0], other, QString::number(bearOut.bestTenthProfitable),
                                 QString::number(bearOut.bestTenth),
                                 PercentOf(bearOut.bestTenthProfitable, bearOut.bestTenth))));
  }
  return lines.join(u'\n');
}

QStringList JoinedColumnCaptions(const QStringList& labels) {
  // The report's label on a line of its own keeps the columns narrow.
  QStringList captions{QStringLiteral(u"Проход")};
  for (const QString& caption :
       {QStringLiteral(u"Прибыль"), QStringLiteral(u"Просадка %"), QStringLiteral(u"Сделок")}) {
    for (const QString& label : labels) captions.append(caption + u'\n' + label);
  }
  captions.append(QStringLiteral(u"Худшая\nприбыль"));
  if (labels.size() == 2) {
    captions.append(QStringLiteral(u"Эффективность"));
  } else {
    for (const QString& label : labels.mid(1))
      captions.append(QStringLiteral(u"Эффективность\n") + label);
  }
  return captions;
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
