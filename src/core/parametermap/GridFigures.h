#pragma once

#include <cstdint>
#include <vector>

#include "parametermap/ColumnValues.h"
#include "parametermap/Neighbourhoods.h"
#include "parametermap/PassesByCoordinates.h"

// Sets the min (its pass and value) and the mean over found + 1 passes of `sum`.
void SetMinAndMean(NeighbourhoodFigures& figures, std::uint32_t minPass, long double minValue,
                   long double sum);

// The figures of every pass, as FiguresOf gives them, for passes kept in the array form. The
// grid is swept in key order, so that the neighbours' values are read from arrays in the order
// they lie rather than pass by pass all over the column.
std::vector<NeighbourhoodFigures> GridFigures(const PassesByCoordinates& passes,
                                              const ColumnValues& values);
