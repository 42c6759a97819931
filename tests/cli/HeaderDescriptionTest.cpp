#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <cli/check/HeaderDescription.h>

using namespace kvl::core;
using namespace kvl::cli;

namespace {

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
