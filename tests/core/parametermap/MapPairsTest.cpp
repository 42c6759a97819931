#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MapPairs.h"

using namespace kvl::core;

namespace {

struct SplitCase {
  std::string params;
  bool pairs;
  std::vector<std::string> expected;  // "name|value"
};

std::vector<std::string> Shown(const std::vector<ParameterPair>& pairs) {
  std::vector<std::string> shown;
  for (const ParameterPair& pair : pairs) {
    shown.push_back(std::string(pair.name) + "|" + std::string(pair.value.value_or("")));
  }
  return shown;
}

class MapPairsTest : public testing::TestWithParam<SplitCase> {};

TEST_P(MapPairsTest, SplitsAsThePanelShowsTheLines) {
  std::vector<ParameterPair> pairs = {{"stale", "pair"}};
  EXPECT_EQ(SplitMapPairs(GetParam().params, pairs), GetParam().pairs);
  if (GetParam().pairs) {
    EXPECT_EQ(Shown(pairs), GetParam().expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MapPairsTest,
    testing::Values(
        // The rest of the report cell stands on the last line, which the panel drops.
        SplitCase{"A=1; B=2; \">3", true, {"A|1", "B|2"}},
        SplitCase{"Take Profit = 20 ;\tMode=fast; \">3", true, {"Take Profit|20", "Mode|fast"}},
        SplitCase{"Comment=; \">3", true, {"Comment|"}}, SplitCase{"A=x=y; \">3", true, {"A|x=y"}},
        // ';' eats the byte after it, so a second ';' right after never separates.
        SplitCase{"A=1;;B=2; \">3", true, {"A|1", "B|2"}},
        // A text that ends in its last break drops the line before that break.
        SplitCase{"A=1; B=2;", true, {"A|1"}}, SplitCase{"A=1; B=2; ", true, {"A|1"}},
        SplitCase{"A=1;", false, {}}, SplitCase{"", false, {}},
        SplitCase{"A=1 without a separator", false, {}},
        SplitCase{"A=1; broken; B=2; \">3", false, {}}, SplitCase{" =1; \">3", false, {}},
        SplitCase{"A=1; ; \">3", false, {}}));

}  // namespace
