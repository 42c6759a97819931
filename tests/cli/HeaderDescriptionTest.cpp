#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include <cli/check/HeaderCaptions.h>
#include <cli/check/HeaderDescription.h>

using namespace kvl::core;
using namespace kvl::cli;

namespace {

TEST(HeaderCaptionsTest, ReadsTheCellsAfterTheRowsAlignmentOrNoneAtAll) {
  const std::vector<std::pair<std::string_view, std::vector<std::string_view>>> cases = {
      {"<tr bgcolor=\"#C0C0C0\" align=right><td>Pass</td><td>Profit</td><td>Total trades</td>"
       "</tr>",
       {"Pass", "Profit", "Total trades"}},
      {"<tr align=right><td class=mspt>Pass</td><td >Profit</td><td></td></tr>",
       {"Pass", "Profit", ""}},
      // Cells end at the first that does not follow straight on.
      {"<tr align=right><td>Pass</td> <td>Profit</td>", {"Pass"}},
      {"<tr align=right><td>Pass</td><tr align=right><td>Profit</td>", {"Pass"}},
      {"<tr><td>Pass</td><td>Profit</td></tr>", {}},
      {"<tr align=right></tr>", {}},
      {"<tr align=right><td>Pass</td><td>Profit", {}},
      {"<tr align=right><td><b>Pass</b></td></tr>", {}},
      {"<tr align=right><td title=\"a>b\">Pass</td></tr>", {}},
      {"<tr align=right><tdx>Pass</tdx></tr>", {}},
  };
  for (const auto& [line, captions] : cases) EXPECT_EQ(HeaderCaptions(line), captions) << line;
}

TEST(HeaderDescriptionTest, NamesTheLineHowTheHeaderWasFoundAndItsCaptions) {
  struct Case {
    ReportCheck::Header header;
    std::string text;
  };
  const Case cases[] = {
      {{39, HeaderLanguage::kRussian, {"Проход", "Прибыль"}},
       "line 39, Russian captions: Проход | Прибыль"},
      {{7, HeaderLanguage::kEnglish, {"Pass", "Profit", "Total trades"}},
       "line 7, English captions: Pass | Profit | Total trades"},
      {{12, HeaderLanguage::kByStructure, {"Durchlauf", "Gewinn"}},
       "line 12, found by the table's structure: Durchlauf | Gewinn"},
      {{39, HeaderLanguage::kRussian, {}}, "line 39, Russian captions"},
      {{39, HeaderLanguage::kByStructure, {}}, "line 39, found by the table's structure"},
  };
  for (const Case& c : cases) EXPECT_EQ(HeaderDescription(c.header), c.text);
}

}  // namespace
