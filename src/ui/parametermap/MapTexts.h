#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include <core/parametermap/ParameterSpace.h>

namespace kvl::ui {

// The parameter map's own texts.

// The results list's menu item that opens the map.
QString ParameterMapMenuText();
// The window's caption.
QString ParameterMapCaption();
QString SavePictureText();
// The choice of Y that gives a profile over X alone.
QString NoYAxisText();
// The results list's caption of the column `columnId`.
QString ColumnCaption(int columnId);
// The aggregates in the order of the drop-down: maximum, mean, minimum, number of passes.
QStringList AggregateCaptions();

enum class ProfileLine { Minimum, Mean, Maximum };
QString ProfileLineName(ProfileLine line);
// The profile's point of the chosen pass.
QString ChosenPassName();

// The corner above the Y values and beside the X values: "Y \ X".
QString AxesCornerText(const QString& xName, const QString& yName);
// A cell's tooltip: how many passes it holds and which is best; 0 for none.
QString CellToolTip(int passes, int bestPass);

// The line under the map for the chosen pass: its neighbours and the figures of its
// neighbourhood for the column captioned `column`. Empty figures say there are no numbers; a pass
// without neighbours has no neighbourhood to give figures of.
QString NeighbourhoodText(int neighbours, int possible, const QString& column,
                          const QString& minimum, const QString& mean);
QString NoPassChosenText();
QString PassNotOnMapText(int pass);
// The name proposed for the saved picture of the map over X and Y, or of the profile over X
// when `yName` is empty.
QString PictureFileName(const QString& xName, const QString& yName);
QString PictureNotSavedText(const QString& path, const QString& reason);
// How many passes the map holds, how many it leaves out and why.
QString PassesOnMapText(std::size_t onMap, const std::vector<core::LeftOutPass>& leftOut);
QString NoReportText();
QString NoOptimizedParametersText();
QString SameAxesText();

}  // namespace kvl::ui
