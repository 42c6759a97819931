// The two forms a results table's structure is read by, in bytes and in UTF-16 alike.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <core/resultsheader/TableStructure.h>

using namespace kvl::core;

namespace {

std::u16string Wide(const std::string& ascii) {
  return std::u16string(ascii.begin(), ascii.end());
}

std::string Cells(int count) {
  std::string cells;
  for (int k = 1; k <= count; ++k) cells += "<td>C" + std::to_string(k) + "</td>";
  return cells;
}

TEST(TableStructure, CaptionRowsGiveTheirCaptions) {
  const std::string seven = Cells(7);
  const struct {
    std::string line;
    std::size_t captions;
  } cases[] = {
      {"<tr bgcolor=\"#C0C0C0\" align=right>" + seven + "</tr>", 7},
      {"<tr align=right>" + Cells(8) + "</tr>", 8},
      {"<tr align=right>" + seven + "</tr>  ", 7},
      {"<tr align=right>" + Cells(6) + "</tr>", 0},
      {"align=right>" + seven + "</tr>", 0},
      {"<tr align=right>" + seven, 0},
      {"<tr align=right>" + seven + " </tr>", 0},
      {"<tr align=right><td class=x>C1</td>" + Cells(6) + "</tr>", 0},
      {"<tr align=right><td><b>C1</b></td>" + Cells(6) + "</tr>", 0},
      {"<tr align=right><td></td>" + Cells(6) + "</tr>", 0},
      {"<tr><td>x</td></tr><tr align=right>" + seven + "</tr>", 7},
  };
  for (const auto& c : cases) {
    const std::vector<std::string_view> captions = CaptionsOfCaptionRow(std::string_view(c.line));
    EXPECT_EQ(captions.size(), c.captions) << c.line;
    if (!captions.empty()) {
      EXPECT_EQ(captions.front(), "C1") << c.line;
    }
    EXPECT_EQ(CaptionsOfCaptionRow(std::u16string_view(Wide(c.line))).size(), c.captions) << c.line;
  }
}

TEST(TableStructure, DataRowsOfTheKnownForm) {
  const std::string cells =
      "<td class=mspt>1.00</td><td>12</td><td class=mspt>1.50</td>"
      "<td class=mspt>12.50</td><td class=mspt>40.00</td>"
      "<td class=mspt>2.10</td>";
  const std::string row = "<tr align=right><td title=\"A=1; \">3</td>" + cells + "</tr>";
  const struct {
    std::string line;
    bool dataRow;
  } cases[] = {
      {row, true},
      {"<tr align=right><td title=\"A=1; \">3</td>" + cells, true},
      {"<tr><td title=x>3</td><td class=mspt>1</td><td></td><td class=mspt></td>"
       "<td class=mspt></td><td class=mspt></td><td class=mspt></td>",
       true},
      {"<tr align=right><td>3</td>" + cells, false},
      {"<tr><td>x</td><td title=\"A=1; \">3</td>" + cells, false},
      {"<tr><td title=x>3</td><td class=mspt></td><td>12</td><td class=mspt>1</td>"
       "<td class=mspt>1</td><td class=mspt>1</td><td class=mspt>1</td>",
       false},
      {"<tr><td title=x>3</td><td class=mspt><b>1</b></td><td>12</td><td class=mspt>1</td>"
       "<td class=mspt>1</td><td class=mspt>1</td><td class=mspt>1</td>",
       false},
      {"<tr><td title=x>3</td><td class=mspt>1</td><td>12</td><td class=mspt>1</td>"
       "<td class=mspt>1</td><td class=mspt>1</td><td class=mspt>1",
       false},
      {"<tr><td title=x>3</td><td>1</td><td>12</td><td class=mspt>1</td>"
       "<td class=mspt>1</td><td class=mspt>1</td><td class=mspt>1</td>",
       false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsDataRowOfKnownForm(std::string_view(c.line)), c.dataRow) << c.line;
    EXPECT_EQ(IsDataRowOfKnownForm(std::u16string_view(Wide(c.line))), c.dataRow) << c.line;
  }
}

}  // namespace
