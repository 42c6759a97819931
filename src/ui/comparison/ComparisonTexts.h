#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <string>

#include <core/join/ReportJoin.h>

namespace kvl::ui {

struct JoinedReports;

// The comparison's own texts.

// The results list's menu item that opens a comparison.
QString CompareMenuText();
// The window's caption.
QString ComparisonCaption();
// The window's command that joins one more report, and the choice of the report shown up.
QString AddReportText();
QString OtherAxisText();

// The other report cannot be read; `reason` is the failure's own message.
QString OtherReportUnreadableText(const QString& path, const std::string& reason);
// The two reports have no input in common: the inputs of each are named.
QString NoSharedInputText(const std::array<QString, 2>& labels, const core::PairInputs& inputs);

// What the comparison found, one finding a line: the reports and their periods, the joined
// passes, the passes without a match, those left out of the join where there are any; then for
// each other report the inputs ignored, the rank correlation of the profits and how much of the
// base's best tenth stays profitable there.
QString SummaryText(const JoinedReports& joined);

// The captions of the joined passes' table, in the order of its columns, for the reports of
// `labels`, the base's first: the pass, each report's profit, drawdown % and trades, the worst
// profit and the efficiency of each report after the base.
QStringList JoinedColumnCaptions(const QStringList& labels);

// The chart's axis of report `label`'s profit, and its series.
QString ProfitAxisTitle(const QString& label);
QString JoinedPassesSeriesName();
QString SameProfitSeriesName();
// The chart's title when it shows one point for the passes of each of `cells` × `cells` cells.
QString ThinnedPointsText(int cells);

}  // namespace kvl::ui
