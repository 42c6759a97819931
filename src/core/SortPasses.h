#pragma once

#include "PassTable.h"

// Orders slots 0 to n-1 of `table` by column `columnId` (0 Index, 1 Profit, 2 Trades,
// 3 ProfitFactor, 4 ExpectedPayoff, 5 DrawdownMoney, 6 DrawdownPercent), largest or smallest
// first, exactly as the window's header click does. Params never moves. A cell that its
// conversion refuses raises EConvertError.
void SortPasses(int columnId, bool largestFirst, int n, PassTable& table = OptItems);
