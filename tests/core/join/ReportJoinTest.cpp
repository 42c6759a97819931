#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include <core/join/ReportJoin.h>

#include "ComparedReports.h"

using namespace kvl::core;

namespace {

using Names = std::vector<std::string>;
using Rows = std::vector<std::vector<std::uint32_t>>;

Names Texts(const std::vector<std::string_view>& views) {
  return {views.begin(), views.end()};
}

std::vector<ComparedPass> Passes(const std::vector<std::string>& titles) {
  std::vector<ComparedPass> passes;
  for (const std::string& title : titles) passes.push_back({title});
  return passes;
}

Rows RowsOf(const ReportJoin& join) {
  Rows rows;
  for (std::size_t row = 0; row < join.RowCount(); ++row) {
    rows.emplace_back();
    for (std::size_t r = 0; r < join.ReportCount(); ++r) rows.back().push_back(join.PassOf(row, r));
  }
  return rows;
}

// leftOut, repeated and unmatched.
using Counts = std::vector<std::size_t>;
Counts CountsOf(const ReportJoin& join, std::size_t r) {
  const ComparedCounts& counts = join.CountsOf(r);
  return {counts.leftOut, counts.repeated, counts.unmatched};
}

struct JoinCase {
  std::string name;
  std::vector<std::string> base;
  std::vector<std::string> other;
  JoinRules rules;
  Names counted;
  Names ignored;
  Names notCounted;
  Names missingOn;
  Rows rows;
  Counts baseCounts;
  Counts otherCounts;
};

const std::vector<std::string> kSparse = {"A=1; B=5; ", "A=2; B=5; ", "A=3; B=5; "};
const std::vector<std::string> kSparseOther = {"A=2; B=5; ", "A=3; B=5; ", "A=5; B=5; "};

TEST(ReportJoinTest, JoinsPairsOfReportsByTheirInputs) {
  const std::vector<JoinCase> cases = {
      {"full grid",
       {"A=1; B=1; ", "A=1; B=2; ", "A=2; B=1; ", "A=2; B=2; "},
       {"A=2; B=2; ", "A=2; B=1; ", "A=1; B=2; ", "A=1; B=1; "},
       {},
       {"A", "B"},
       {},
       {},
       {},
       {{1, 4}, {2, 3}, {3, 2}, {4, 1}},
       {0, 0, 0},
       {0, 0, 0}},
      {"sparse grids",
       kSparse,
       kSparseOther,
       {},
       {"A", "B"},
       {},
       {},
       {},
       {{2, 1}, {3, 2}},
       {0, 0, 1},
       {0, 0, 1}},
      {"all",
       kSparse,
       kSparseOther,
       {{}, true},
       {"A", "B"},
       {},
       {},
       {},
       {{1, 0}, {2, 1}, {3, 2}},
       {0, 0, 1},
       {0, 0, 1}},
      {"numbers written differently",
       {"A=1.5; ", "A=2; ", "A=x; ", "A=-0; "},
       {"A=2.0; ", "A=1.50; ", "A=x; ", "A=0.00; ", "A=X; "},
       {},
       {"A"},
       {},
       {},
       {},
       {{1, 2}, {2, 1}, {3, 3}, {4, 4}},
       {0, 0, 0},
       {0, 0, 1}},
      {"repeated inputs",
       {"A=1; ", "A=2; ", "A=1.0; ", "A=3; "},
       {"A=2; ", "A=1; ", "A=2.00; ", "A=3; ", "A=3; "},
       {},
       {"A"},
       {},
       {},
       {},
       {{1, 2}, {2, 1}, {4, 4}},
       {0, 1, 0},
       {0, 2, 0}},
      {"an input in one report only",
       {"A=1; B=1; ", "A=2; B=1; ", "A=2; B=2; "},
       {"A=1; C=7; ", "A=2; C=7; ", "A=2; C=8; "},
       {},
       {"A"},
       {"B", "C"},
       {},
       {},
       {{1, 1}, {2, 2}, {3, 2}},
       {0, 0, 0},
       {0, 1, 0}},
      {"a differing constant",
       {"A=1; M=100; ", "A=2; M=100; "},
       {"A=1; M=200; ", "A=2; M=200; "},
       {},
       {"A", "M"},
       {},
       {},
       {},
       {},
       {0, 0, 2},
       {0, 0, 2}},
      {"a differing constant left out by on",
       {"A=1; M=100; ", "A=2; M=100; "},
       {"A=1; M=200; ", "A=2; M=200; "},
       {{"A"}, false},
       {"A"},
       {},
       {"M"},
       {},
       {{1, 1}, {2, 2}},
       {0, 0, 0},
       {0, 0, 0}},
      {"no match",
       {"A=1; ", "A=2; "},
       {"A=3; ", "A=4; "},
       {},
       {"A"},
       {},
       {},
       {},
       {},
       {0, 0, 2},
       {0, 0, 2}},
      {"passes left out of the map",
       {"A=1; ", "A=1; A=2; ", "A=2; ", "junk"},
       {"A=2; ", "A=1; B=1; ", "A=1; "},
       {},
       {"A"},
       {},
       {},
       {},
       {{1, 3}, {3, 1}},
       {2, 0, 0},
       {1, 0, 0}},
  };
  for (const JoinCase& c : cases) {
    const ComparedReports files({{"", Passes(c.base)}, {"", Passes(c.other)}});
    ReportJoin join = ReportJoin::Inputs(files.reports, c.rules);
    const PairInputs& inputs = join.InputsOf(1);
    EXPECT_EQ(Texts(inputs.counted), c.counted) << c.name;
    EXPECT_EQ(Texts(inputs.ignored), c.ignored) << c.name;
    EXPECT_EQ(Texts(inputs.notCounted), c.notCounted) << c.name;
    EXPECT_EQ(Texts(inputs.missingOn), c.missingOn) << c.name;
    ASSERT_TRUE(join.CanMatch()) << c.name;
    join.Match();
    EXPECT_EQ(RowsOf(join), c.rows) << c.name;
    EXPECT_EQ(CountsOf(join, 0), c.baseCounts) << c.name;
    EXPECT_EQ(CountsOf(join, 1), c.otherCounts) << c.name;
    EXPECT_EQ(join.CountsOf(0).passes, c.base.size()) << c.name;
    EXPECT_EQ(join.CountsOf(1).passes, c.other.size()) << c.name;
  }
}

TEST(ReportJoinTest, CannotMatchWithoutASharedInputOrWithAMissingOnName) {
  const ComparedReports files(
      {{"", Passes({"A=1; B=1; "})}, {"", Passes({"A=1; C=1; "})}, {"", Passes({"D=1; "})}});
  const ReportJoin missingOn =
      ReportJoin::Inputs(std::span(files.reports).first(2), {{"A", "C", "Z"}, false});
  EXPECT_EQ(Texts(missingOn.InputsOf(1).missingOn), (Names{"C", "Z"}));
  EXPECT_EQ(Texts(missingOn.InputsOf(1).counted), (Names{"A"}));
  EXPECT_FALSE(missingOn.CanMatch());

  const ReportJoin noShared = ReportJoin::Inputs(files.reports, {});
  EXPECT_EQ(Texts(noShared.InputsOf(2).ignored), (Names{"A", "B", "D"}));
  EXPECT_FALSE(noShared.CanMatch());
  EXPECT_TRUE(ReportJoin::Inputs(std::span(files.reports).first(2), {}).CanMatch());
}

TEST(ReportJoinTest, ARowNeedsAMatchInEveryReport) {
  const ComparedReports files({{"", Passes({"A=1; ", "A=2; ", "A=3; "})},
                               {"", Passes({"A=3; ", "A=2; "})},
                               {"", Passes({"A=1; ", "A=3; ", "A=4; "})}});
  ReportJoin join = ReportJoin::Inputs(files.reports, {});
  join.Match();
  EXPECT_EQ(RowsOf(join), (Rows{{3, 1, 2}}));
  EXPECT_EQ(CountsOf(join, 0), (Counts{0, 0, 2}));
  EXPECT_EQ(CountsOf(join, 1), (Counts{0, 0, 0}));
  EXPECT_EQ(CountsOf(join, 2), (Counts{0, 0, 1}));
  EXPECT_EQ(join.RowOfBasePass(3), std::optional<std::size_t>(0));
  EXPECT_EQ(join.RowOfBasePass(2), std::nullopt);

  ReportJoin all = ReportJoin::Inputs(files.reports, {{}, true});
  all.Match();
  EXPECT_EQ(RowsOf(all), (Rows{{1, 0, 1}, {2, 2, 0}, {3, 1, 2}}));
  EXPECT_EQ(all.RowOfBasePass(2), std::optional<std::size_t>(1));
  EXPECT_EQ(all.RowOfBasePass(4), std::nullopt);
}

}  // namespace
