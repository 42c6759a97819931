// A load that fails part of the way leaves the table as it was. Every allocation that a load
// makes is failed in turn, through the allocation gate.

#include <gtest/gtest.h>

#include <new>
#include <string>
#include <vector>

#include <core/ReportLoader.h>

#include "AllocationGate.h"
#include "PassFields.h"
#include "ReportGenerator.h"
#include "TestFiles.h"

using namespace kvl::core;

namespace {

// The number of allocations to grant before one fails.
long allocationsBeforeFailure = 0;

bool CountedDown(std::size_t) {
  return allocationsBeforeFailure-- == 0;
}

// Every field of the slots that either report can fill.
std::vector<std::vector<std::string>> Slots(const PassTable& table, std::size_t count) {
  std::vector<std::vector<std::string>> slots;
  for (std::size_t s = 0; s < count; ++s) slots.push_back(AllFields(table[s]));
  return slots;
}

TEST(LoadFailure, EveryFailedAllocationLeavesThePreviousPasses) {
  const TempDir dir;
  // More passes than one block of records holds, so that blocks are both added and kept.
  const std::string large = dir.Write("large.htm", GenerateReport(20000, 4));
  const std::string small = DataPath("report-cp1251.htm");
  const std::string unicode = DataPath("report-utf8-bom.htm");
  const struct {
    std::string first, second;
  } cases[] = {{large, small}, {large, unicode}, {small, large}, {unicode, large}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first + " then " + c.second);
    PassTable table;
    ASSERT_GT(LoadReport(c.first, table), 0);
    const std::vector<std::vector<std::string>> before = Slots(table, 20010);
    const std::size_t sizeBefore = table.Size();

    long failing = 0;
    for (;; ++failing) {
      allocationsBeforeFailure = failing;
      RefuseAllocationsWhen(CountedDown);
      try {
        LoadReport(c.second, table);
        RefuseAllocationsWhen(nullptr);
        break;
      } catch (const std::bad_alloc&) {
        RefuseAllocationsWhen(nullptr);
      }
      ASSERT_EQ(table.Size(), sizeBefore) << "allocation " << failing;
      ASSERT_EQ(Slots(table, 20010), before) << "allocation " << failing;
    }
    EXPECT_GE(failing, 4) << "the load should need its text, records and their lists";

    PassTable fresh;
    const int n = LoadReport(c.second, fresh);
    EXPECT_EQ(Slots(table, static_cast<std::size_t>(n)), Slots(fresh, static_cast<std::size_t>(n)));
  }
}

}  // namespace
