#pragma once

#include <cstdint>
#include <vector>

#include "ColumnValues.h"
#include "ExactSum.h"
#include "Neighbourhoods.h"
#include "PassesByCoordinates.h"

namespace kvl::core {

// Sets the min's pass and the mean over found + 1 passes of `sum`, in ten-thousandths.
void SetExactMinAndMean(NeighbourhoodFigures& figures, std::uint32_t minPass, std::int64_t sum);
// The same from a sum of any cells.
void SetMinAndMean(NeighbourhoodFigures& figures, std::uint32_t minPass, const ExactSum& sum);

// The figures of every pass, as FiguresOf gives them, for passes kept in the array form. The
// passes are taken in order, and their neighbours' values read by key from an array of the
// grid's points and summed in exact ten-thousandths. Points where a value is not exact, or that
// several passes share, are left to FiguresOf.
std::vector<NeighbourhoodFigures> GridFigures(const Neighbourhoods& neighbourhoods,
                                              const ColumnValues& values);

}  // namespace kvl::core
