#pragma once

#include <QString>
#include <string>
#include <vector>

// One pass as a report row carries it; texts in UTF-8, written to the report in Windows-1251.
struct FixturePass {
  std::string params;  // the title attribute, e.g. "A=1; B=2; "
  std::string profit, trades, profitFactor, expectedPayoff, drawdownMoney, drawdownPercent;
};

// A small optimization report: a results header followed by one row per pass, numbered from 1.
std::string ReportText(const std::vector<FixturePass>& passes);

// Passes whose figures are given per column; params are "P=<k>; Q=<k*10>; " for pass k.
std::vector<FixturePass> NumberedPasses(const std::vector<std::vector<std::string>>& figures);
