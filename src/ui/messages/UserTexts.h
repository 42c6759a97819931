#pragma once

#include <QString>

namespace kvl::ui {

// The window's own texts beyond its captions: the status bar's and the information box's.

// "1 проход", "2 прохода", "5 проходов": the Russian plural that goes with the number.
QString PassCountText(int passes);

// After a load: the report's file name and how many passes it holds.
QString LoadedStatusText(const QString& fileName, int passes);

// After an export: the set file written.
QString WrittenStatusText(const QString& path);

// An export pressed while the parameter panel is empty.
QString NothingToExportText();

// A file chosen for loading that holds no optimization results.
QString NotAReportText(const QString& path);

}  // namespace kvl::ui
