#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <core/parametermap/ParameterSpace.h>

#include "MapReport.h"

using namespace kvl::core;

namespace {

std::vector<std::string> Texts(const std::vector<std::string_view>& views) {
  return {views.begin(), views.end()};
}

std::vector<std::string> Names(const std::vector<MapParameter>& parameters) {
  std::vector<std::string> names;
  for (const MapParameter& parameter : parameters) names.emplace_back(parameter.name);
  return names;
}

// "pass:reason:name" for each pass left out.
std::vector<std::string> LeftOut(const ParameterSpace& space) {
  std::vector<std::string> leftOut;
  for (const LeftOutPass& pass : space.LeftOut()) {
    leftOut.push_back(std::to_string(pass.pass) + ":" +
                      std::to_string(static_cast<int>(pass.reason)) + ":" + std::string(pass.name));
  }
  return leftOut;
}

struct OrderCase {
  std::string name;
  std::vector<std::string> values;  // in the order of the passes
  bool numeric;
  std::vector<std::string> ordered;
};

class ValueOrderTest : public testing::TestWithParam<OrderCase> {};

TEST_P(ValueOrderTest, NumbersByValueAndEverythingElseByFirstAppearance) {
  const OrderCase& c = GetParam();
  std::vector<MapPass> passes;
  for (const std::string& value : c.values) {
    passes.push_back({Title({{"Lots", "0.1"}, {c.name, value}}), "1.00"});
  }
  const MapReport report(passes);
  const ParameterSpace space = ParameterSpace::Read(report.table, report.count);
  ASSERT_EQ(Names(space.Optimized()), std::vector<std::string>{c.name});
  EXPECT_EQ(space.Optimized()[0].numeric, c.numeric);
  EXPECT_EQ(Texts(space.Optimized()[0].values), c.ordered);
  ASSERT_EQ(Names(space.Constants()), std::vector<std::string>{"Lots"});
  EXPECT_EQ(Texts(space.Constants()[0].values), std::vector<std::string>{"0.1"});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ValueOrderTest,
    testing::Values(
        OrderCase{"Period", {"10", "9", "1.5", "-2", "10"}, true, {"-2", "1.5", "9", "10"}},
        OrderCase{"Step", {"1E1", "+5", " 7 "}, true, {"+5", "7", "1E1"}},
        OrderCase{"UseTrailing", {"true", "false", "true"}, false, {"true", "false"}},
        OrderCase{"UseTrailing", {"false", "true"}, false, {"false", "true"}},
        OrderCase{"Mode", {"slow", "fast", "auto", "fast"}, false, {"slow", "fast", "auto"}},
        // One value that does not read as a number orders them all by appearance.
        OrderCase{"Level", {"20", "10", "1,5"}, false, {"20", "10", "1,5"}},
        // Equal values written apart stay apart, in the order they came.
        OrderCase{"Ratio", {"1.50", "2", "1.5"}, true, {"1.50", "1.5", "2"}}),
    [](const testing::TestParamInfo<OrderCase>& param) {
      return param.param.name + std::to_string(param.index);
    });

TEST(ParameterSpace, NamesKeepTheOrderOfTheFirstPassAndCoordinatesFollowTheValues) {
  const MapReport report({
      {Title({{"Fast", "5"}, {"Lots", "0.1"}, {"Slow", "20"}}), "1.00"},
      {Title({{"Fast", "3"}, {"Lots", "0.1"}, {"Slow", "20"}}), "2.00"},
      // The same names in another order belong to the map.
      {Title({{"Slow", "30"}, {"Fast", "5"}, {"Lots", "0.1"}}), "3.00"},
  });
  const ParameterSpace space = ParameterSpace::Read(report.table, report.count);
  EXPECT_EQ(Names(space.Optimized()), (std::vector<std::string>{"Fast", "Slow"}));
  EXPECT_TRUE(space.LeftOut().empty());
  using Coordinates = std::vector<std::uint32_t>;
  const auto at = [&](std::size_t pass) {
    const auto c = space.Coordinates(pass);
    return Coordinates(c.begin(), c.end());
  };
  EXPECT_EQ(at(1), (Coordinates{1, 0}));
  EXPECT_EQ(at(2), (Coordinates{0, 0}));
  EXPECT_EQ(at(3), (Coordinates{1, 1}));
  EXPECT_EQ(space.OptimizedNamed("Slow"), 1u);
  EXPECT_EQ(space.OptimizedNamed("Lots"), std::nullopt);
  ASSERT_NE(space.ConstantNamed("Lots"), nullptr);
  EXPECT_EQ(space.ConstantNamed("Fast"), nullptr);
}

TEST(ParameterSpace, PassesThatDoNotFitAreLeftOutWithTheirReason) {
  const std::string good1 = Title({{"A", "1"}, {"B", "1"}});
  const std::string good2 = Title({{"A", "2"}, {"B", "1"}});
  const MapReport report({
      {"A=1 B=2 no separators", "1.00"},
      {good1, "1.00"},
      {Title({{"A", "3"}}), "1.00"},
      {good2, "1.00"},
      {Title({{"A", "4"}, {"B", "2"}, {"C", "1"}}), "1.00"},
      {Title({{"A", "5"}, {"B", "2"}, {"A", "6"}}), "1.00"},
      {"A=7; broken; B=3; ", "1.00"},
      {Title({{"A", "1"}, {"B", "2"}}), "1.00"},
  });
  const ParameterSpace space = ParameterSpace::Read(report.table, report.count);
  ASSERT_EQ(space.PassCount(), 8u);
  EXPECT_EQ(LeftOut(space), (std::vector<std::string>{"1:0:", "3:2:B", "5:3:C", "6:1:A", "7:0:"}));
  for (const std::size_t pass : {1, 3, 5, 6, 7}) {
    EXPECT_FALSE(space.InMap(pass)) << pass;
    EXPECT_TRUE(space.Coordinates(pass).empty()) << pass;
  }
  // Values of passes left out take no place on the axes.
  ASSERT_EQ(Names(space.Optimized()), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(Texts(space.Optimized()[0].values), (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(Texts(space.Optimized()[1].values), (std::vector<std::string>{"1", "2"}));
}

TEST(ParameterSpace, APassThatNamesAParameterTwiceSaysSoAlsoWhenNoPassMakesAMap) {
  const MapReport report({
      {Title({{"A", "1"}, {"A", "2"}}), "1.00"},
      {"A=1 B=2 no separators", "1.00"},
      {Title({{"B", "1"}, {"C", "2"}, {"B", "3"}}), "1.00"},
  });
  const ParameterSpace space = ParameterSpace::Read(report.table, report.count);
  EXPECT_TRUE(space.Optimized().empty());
  EXPECT_TRUE(space.Constants().empty());
  EXPECT_EQ(LeftOut(space), (std::vector<std::string>{"1:1:A", "2:0:", "3:1:B"}));
}

TEST(ParameterSpace, TheNamesMostPassesCarryWinOverThoseOfTheFirstPass) {
  const MapReport report({
      {Title({{"Old", "1"}}), "1.00"},
      {Title({{"New", "1"}, {"Lots", "1"}}), "1.00"},
      {Title({{"New", "2"}, {"Lots", "1"}}), "1.00"},
  });
  const ParameterSpace space = ParameterSpace::Read(report.table, report.count);
  EXPECT_EQ(Names(space.Optimized()), std::vector<std::string>{"New"});
  ASSERT_EQ(space.LeftOut().size(), 1u);
  EXPECT_EQ(space.LeftOut()[0].reason, LeftOutReason::kMissingName);
  EXPECT_EQ(space.LeftOut()[0].name, "New");
}

TEST(ParameterSpace, AReportWhosePassesAllHaveOneValueHasNoOptimizedParameter) {
  const MapReport report({{Title({{"A", "1"}}), "1.00"}, {Title({{"A", "1"}}), "2.00"}});
  const ParameterSpace space = ParameterSpace::Read(report.table, report.count);
  EXPECT_TRUE(space.Optimized().empty());
  EXPECT_EQ(Names(space.Constants()), std::vector<std::string>{"A"});
  EXPECT_TRUE(space.InMap(1));
  EXPECT_TRUE(space.Coordinates(1).empty());
}

}  // namespace
