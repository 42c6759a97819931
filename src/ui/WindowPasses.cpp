#include "WindowPasses.h"

PassTable OptItems;
SortFlags ColumnSortFlags{};
