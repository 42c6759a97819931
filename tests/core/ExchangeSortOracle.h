#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include <core/PassTable.h>

// The window's column sort exactly as the user-visible behaviour is defined: a quadratic exchange
// sort over the rows that converts both rows' keys afresh for every comparison, row i's first,
// and exchanges the two rows when row j's key is beyond row i's. `rows` holds the number of the
// pass each row shows (row r's at rows[r]), and the cell of a pass numbered k is that of slot
// k-1 of `table`. Whatever a key raises ends the sort with the exchanges made so far. Test code
// only, kept apart from the code it checks; it needs about n*n conversions.
void ExchangeSortLiterally(int columnId, bool largestFirst, const kvl::core::PassTable& table,
                           std::vector<std::size_t>& rows);

// The same over a key per pass number.
void ExchangeSortLiterally(const std::function<long double(std::size_t pass)>& keyOfPass,
                           bool largestFirst, std::vector<std::size_t>& rows);

// Rows 0 to count-1 showing passes 1 to count, as a load leaves them.
std::vector<std::size_t> LoadOrderRows(std::size_t count);
