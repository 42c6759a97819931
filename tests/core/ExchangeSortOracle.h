#pragma once

#include "PassTable.h"

// The window's column sort exactly as the user-visible behaviour is defined: a quadratic exchange
// sort that converts both cells afresh for every comparison, slot i's first. Test code only; it
// needs about n*n conversions.
void ExchangeSortLiterally(int columnId, bool largestFirst, int n, PassTable& table);
