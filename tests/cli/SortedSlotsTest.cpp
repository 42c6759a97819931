#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ReportGenerator.h"
#include "ReportLoader.h"
#include "SortPasses.h"
#include "TestFiles.h"
#include "selection/SortedSlots.h"

namespace {

// Ordering the slots must list the rows where moving them leaves them: equal keys, which a
// generated report has many of, in the exchange sort's own order, and every sort applied to the
// order the one before left.
TEST(SortedSlotsTest, ListsEachRowWhereSortPassesMovesIt) {
  const TempDir dir;
  const std::string report = (dir.Path() / "generated.htm").string();
  WriteReportFile(report, 3000, 7);
  PassTable table;
  const int n = LoadReport(report, table);
  const std::vector<std::vector<SortRequest>> cases = {
      {{2, true}},
      {{1, false}},
      {{2, false}, {6, true}},
      {{3, true}, {2, false}, {0, true}},
      {{5, false}, {5, true}},
  };
  for (const std::vector<SortRequest>& sorts : cases) {
    PassTable moved = table;
    for (const SortRequest& sort : sorts) SortPasses(sort.columnId, sort.largestFirst, n, moved);
    const std::vector<std::size_t> slots = SortedSlots(table, static_cast<std::size_t>(n), sorts);
    ASSERT_EQ(slots.size(), static_cast<std::size_t>(n));
    for (std::size_t s = 0; s < slots.size(); ++s) {
      ASSERT_EQ(table[slots[s]].Index, moved[s].Index)
          << "slot " << s << " after " << sorts.size() << " sorts, the first by column "
          << sorts.front().columnId;
    }
  }
}

TEST(SortedSlotsTest, BelowTwoRowsNothingIsConverted) {
  PassTable table;
  table[0] = {"1", "", "not a number", "", "", "", "", ""};
  const std::vector<SortRequest> sorts = {{1, true}};
  EXPECT_EQ(SortedSlots(table, 1, sorts), std::vector<std::size_t>{0});
  EXPECT_EQ(SortedSlots(table, 0, sorts), std::vector<std::size_t>{});
}

}  // namespace
