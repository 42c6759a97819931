#pragma once

#include "PassTable.h"
#include "SortPasses.h"

// The window's state over the passes; it lives as long as the process.

// The passes of the report loaded last.
extern PassTable OptItems;

// The direction of each column's next header click, all clear when the process starts.
extern SortFlags ColumnSortFlags;
