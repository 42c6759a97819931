#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <cli/selection/PassSelection.h>
#include <core/PassTable.h>
#include <core/ReportLoader.h>
#include <core/sort/RowOrder.h>

#include "GeneratedPasses.h"
#include "ReportText.h"
#include "TestFiles.h"

using namespace kvl::cli;
using namespace kvl::core;

namespace {

// A header click does not keep ties in order, so where tied rows end up hangs on every row listed:
// a listing of some passes must sort as a report of those passes alone would, not as the whole
// report sorted and then thinned.
TEST(SelectRowsAmongTest, SortsAsAHeaderClickOverTheListedPassesAlone) {
  const TempDir dir;
  constexpr std::size_t kPasses = 300;
  const std::vector<GeneratedPass> passes = GeneratePasses(kPasses, 5);
  PassTable table;
  const auto count =
      static_cast<std::size_t>(LoadReport(dir.Write("all.htm", ReportText(passes)), table));
  std::vector<std::size_t> listed;
  std::vector<GeneratedPass> listedPasses;
  for (std::size_t slot = 0; slot < count; slot += 3) {
    listed.push_back(slot);
    listedPasses.push_back(passes[slot]);
  }
  PassSelection selection;
  selection.sorts = {SortRequest{2, true}};  // trades, of which many passes share one
  const SelectedRows rows = SelectRowsAmong(table, count, listed, selection);

  PassTable alone;
  RowOrder order(
      static_cast<std::size_t>(LoadReport(dir.Write("some.htm", ReportText(listedPasses)), alone)));
  SortRows(alone, 2, true, order);
  std::vector<std::size_t> expected;
  for (std::size_t row = 0; row < order.Count(); ++row) {
    expected.push_back(listed[SlotOf(order.PassAt(Row{row}))]);
  }
  EXPECT_EQ(rows.slots, expected);

  // The fault this guards against gives another order here.
  std::vector<std::size_t> thinned;
  for (const std::size_t slot : SelectRows(table, count, selection).slots) {
    if (slot % 3 == 0) thinned.push_back(slot);
  }
  EXPECT_NE(thinned, expected);
}

}  // namespace
