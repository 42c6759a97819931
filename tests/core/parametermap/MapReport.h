#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include <core/PassTable.h>

#include "TestFiles.h"

// A pass of a small hand-made report: its parameter title ("A=1; B=2; ") and three result cells.
struct MapPass {
  std::string title;
  std::string profit;
  std::string drawdown = "10.00";
  std::string trades = "12";
};

// The report of `passes` loaded into a table, passes numbered from 1 in the given order.
class MapReport {
 public:
  explicit MapReport(const std::vector<MapPass>& passes);

  kvl::core::PassTable table;
  std::size_t count = 0;

 private:
  TempDir dir_;
};

// "X=<x>; Y=<y>; " and the like: the title of a pass with these parameters.
std::string Title(const std::vector<std::pair<std::string, std::string>>& parameters);
