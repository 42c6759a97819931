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

// The other report cannot be read; `reason` is the failure's own message.
QString OtherReportUnreadableText(const QString& path, const std::string& reason);
// The two reports have no input in common: the inputs of each are named.
QString NoSharedInputText(const std::array<QString, 2>& labels, const core::PairInputs& inputs);

// What the comparison found, one finding a line: the reports and their periods, the joined
// passes, the passes without a match, those left out of the join where there are any, the inputs
// ignored, the rank correlation of the profits and how much of the base's best tenth stays
// profitable.
QString SummaryText(const JoinedReports& joined);

// The captions of the joined passes' table, in the order of its columns.
QStringList JoinedColumnCaptions(const std::array<QString, 2>& labels);

// The chart's axis of report `label`'s profit, and its series.
QString ProfitAxisTitle(const QString& label);
QString JoinedPassesSeriesName();
QString SameProfitSeriesName();
// The chart's title when it shows one point for the passes of each of `cells` × `cells` cells.
QString ThinnedPointsText(int cells);

}  // namespace kvl::ui
