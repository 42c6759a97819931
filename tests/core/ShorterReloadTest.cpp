#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <core/ReportLoader.h>

#include "PassFields.h"
#include "ReportGenerator.h"
#include "TestFiles.h"

using namespace kvl::core;

namespace {

using Slots = std::vector<std::vector<std::string>>;

Slots SlotsOf(const PassTable& table, std::size_t count) {
  Slots slots;
  for (std::size_t s = 0; s < count; ++s) slots.push_back(AllFields(table[s]));
  return slots;
}

// Records are kept in blocks of several thousand: shorter reports that end inside a block, at its
// end and in an earlier block leave every later slot of every longer report before them.
TEST(ShorterReload, EveryLaterSlotKeepsThePassOfTheLastLoadThatReachedIt) {
  const TempDir dir;
  PassTable table;
  Slots expected;
  std::uint64_t seed = 1;
  for (const std::size_t passes :
       {std::size_t{40000}, 2 * kPassBlockRecords + 5, kPassBlockRecords + 6, kPassBlockRecords,
        std::size_t{12}, std::size_t{40001}, std::size_t{3}}) {
    SCOPED_TRACE(std::to_string(passes) + " passes");
    const std::string path = dir.Write("report.htm", GenerateReport(passes, ++seed));
    PassTable alone;
    const Slots loaded = SlotsOf(alone, static_cast<std::size_t>(LoadReport(path, alone)));
    ASSERT_EQ(LoadReport(path, table), static_cast<int>(passes));
    if (expected.size() < loaded.size()) expected.resize(loaded.size());
    std::copy(loaded.begin(), loaded.end(), expected.begin());
    ASSERT_EQ(SlotsOf(table, expected.size()), expected);
  }
}

}  // namespace
