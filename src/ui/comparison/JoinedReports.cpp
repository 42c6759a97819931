#include "JoinedReports.h"

#include <QFile>
#include <QFileInfo>

#include <core/CellConvert.h>
#include <core/ReportFile.h>
#include <core/ReportLoader.h>
#include <core/join/TestedPeriod.h>
#include <core/parametermap/ExactDecimal.h>
#include <ui/encoding/NativePath.h>
#include <ui/mainwindow/LoadedReport.h>
#include <ui/messages/UserTexts.h>

#include "ComparisonTexts.h"

namespace kvl::ui {

namespace {

QString LabelOf(const QString& path) {
  return QFileInfo(path).completeBaseName();
}

// The tester names every report it saves alike, so reports of different runs often share a file
// name: a label met before gets its number among those that share it, "report (2)".
QStringList DistinctLabels(const QStringList& labels) {
  QStringList distinct;
  for (qsizetype i = 0; i < labels.size(); ++i) {
    const qsizetype before = labels.mid(0, i).count(labels[i]);
    distinct.append(before == 0 ? labels[i]
                                : QStringLiteral("%1 (%2)").arg(labels[i]).arg(before + 1));
  }
  return distinct;
}

core::ReportFile ReadOther(const QString& path) {
  try {
    return core::ReadReportFile(NativePath(path));
  } catch (const core::EFOpenError& failure) {
    throw ComparisonRefused(OtherReportUnreadableText(path, failure.Message()).toStdString());
  }
}

// The period stands in the report's head, a few kilobytes long: the rest of a large report need
// not be read again.
constexpr qint64 kHeadBytes = 64 * 1024;

// The base's period is only needed for the efficiency: a base file gone since its load leaves the
// efficiency empty, and the comparison stands.
std::optional<core::TestedPeriod> BasePeriod(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray head = file.read(kHeadBytes);
  return core::ReadTestedPeriod(core::ReportFileOfBytes(
      std::string_view(head.constData(), static_cast<std::size_t>(head.size()))));
}

}  // namespace

// Most cells are plain decimals, which a large report's hundreds of thousands of them read much
// faster in whole ten-thousandths.
std::optional<long double> CellNumber(std::string_view cell) {
  if (cell.empty()) return std::nullopt;
  if (const std::optional<std::int64_t> plain = core::TenThousandths(cell)) {
    return static_cast<long double>(*plain) / core::kTenThousand;
  }
  try {
    return core::CellToFloat(cell);
  } catch (const core::EConvertError&) {
    return std::nullopt;
  }
}

core::PassText JoinedReports::Field(std::size_t row, std::size_t r,
                                    core::PassText core::PassRecord::*field) const {
  const std::uint32_t pass = join->PassOf(row, r);
  if (pass == 0) return {};
  return (*reports[r].table)[core::SlotOf(core::PassNumber{pass})].*field;
}

std::unique_ptr<JoinedReports> JoinWithReport(const LoadedReport& base, const QString& otherPath,
                                              const JoinedReports* earlier) {
  auto joined = std::make_unique<JoinedReports>();
  if (earlier != nullptr) joined->others = earlier->others;

  core::ReportFile otherFile = ReadOther(otherPath);
  std::optional<core::TestedPeriod> otherPeriod = core::ReadTestedPeriod(otherFile);
  auto otherPasses = std::make_shared<core::PassTable>();
  const int n = core::LoadReport(std::move(otherFile), *otherPasses);
  if (n == 0) throw ComparisonRefused(NotAReportText(otherPath).toStdString());
  joined->others.push_back(
      {LabelOf(otherPath), std::move(otherPasses), static_cast<std::size_t>(n), otherPeriod});

  QStringList labels{LabelOf(base.Path())};
  joined->reports.push_back(
      {&base.Passes(), static_cast<std::size_t>(base.Count()), BasePeriod(base.Path())});
  for (const OtherReport& other : joined->others) {
    labels.append(other.label);
    joined->reports.push_back({other.passes.get(), other.count, other.period});
  }
  joined->labels = DistinctLabels(labels);
  joined->join.emplace(core::ReportJoin::Inputs(joined->reports, core::JoinRules{}));
  if (!joined->join->CanMatch()) {
    // The first report that shares no input with the base.
    std::size_t r = 1;
    while (r + 1 < joined->reports.size() && !joined->join->InputsOf(r).counted.empty()) ++r;
    throw ComparisonRefused(
        NoSharedInputText({joined->labels[0], joined->labels[static_cast<qsizetype>(r)]},
                          joined->join->InputsOf(r))
            .toStdString());
  }
  joined->join->Match();
  joined->figures.emplace(*joined->join, joined->reports);
  for (std::size_t r = 1; r < joined->reports.size(); ++r) {
    joined->bearOuts.push_back(core::BearOut(*joined->join, joined->reports, r));
  }
  return joined;
}

}  // namespace kvl::ui
