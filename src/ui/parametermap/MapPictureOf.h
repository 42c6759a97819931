#pragma once

#include <core/parametermap/ParameterMap.h>

#include "MapPicture.h"

namespace kvl::ui {

// The values of a parameter as the axes show them.
QStringList ValueTexts(const core::MapParameter& parameter);

// The colour scale of a column's figures under an aggregate, over the figures from `lowest` to
// `highest`: around zero for profit and expected payoff, high drawdown bad, a count neutral.
ColourScale ScaleOf(int columnId, core::MapAggregate aggregate, double lowest, double highest);

// The map as it is drawn: the axes' names and values, and each cell's figure and best pass.
MapPicture MapPictureOf(const core::ParameterMap& map, const core::ParameterSpace& space);

}  // namespace kvl::ui
