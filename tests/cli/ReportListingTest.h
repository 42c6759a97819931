#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

// A tab-separated listing of report-cp1251.htm with some options, and what it must give. Pass 5's
// profit there is "87,40" and pass 6's profit factor is empty.
struct ListingCase {
  const char* name;
  std::vector<std::string> options;
  int status;
  std::vector<std::string> indexes;  // listed, when the command succeeds
  std::string err;

  friend void PrintTo(const ListingCase& c, std::ostream* out) { *out << c.name; }
};

// Lists the passes that the case's options choose, in their order, or fails as the case says.
class ReportListingTest : public testing::TestWithParam<ListingCase> {};

// Names each instance after its case.
std::string ListingCaseName(const testing::TestParamInfo<ListingCase>& info);
