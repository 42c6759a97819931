#include "ReportListingTest.h"

#include "ListingText.h"
#include "TestFiles.h"
#include "ToolMessages.h"

TEST_P(ReportListingTest, ListsThePassesTheOptionsChoose) {
  const ListingCase& c = GetParam();
  const ToolRun run = ListAsTsv(DataPath("report-cp1251.htm"), c.options);
  EXPECT_EQ(run.status, c.status);
  EXPECT_EQ(run.err, ToolMessages(c.err));
  if (c.status == 0) {
    EXPECT_EQ(ListedIndexes(run.out), c.indexes);
  } else {
    EXPECT_EQ(run.out, "");
  }
}

std::string ListingCaseName(const testing::TestParamInfo<ListingCase>& info) {
  return info.param.name;
}
