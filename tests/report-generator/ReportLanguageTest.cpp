#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "ReportGenerator.h"
#include "ReportLanguage.h"
#include "ReportTranslation.h"
#include "TestFiles.h"

namespace {

// report-cp1251.htm's results header is its 39th line.
constexpr std::size_t kCaptionRow = 38;

std::vector<std::string> CrLfLines(std::string_view text) {
  std::vector<std::string> lines;
  for (std::size_t end = text.find("\r\n"); end != std::string_view::npos;
       end = text.find("\r\n")) {
    lines.emplace_back(text.substr(0, end));
    text.remove_prefix(end + 2);
  }
  lines.emplace_back(text);
  return lines;
}

// The words of a Windows-1251 line that are not ASCII.
std::vector<std::string> RussianWords(std::string_view line) {
  std::vector<std::string> words;
  const auto isRussian = [](char c) { return static_cast<unsigned char>(c) >= 0x80; };
  for (auto at = std::ranges::find_if(line, isRussian); at != line.end();
       at = std::find_if(at, line.end(), isRussian)) {
    const auto end = std::find_if_not(at, line.end(), isRussian);
    words.emplace_back(at, end);
    at = end;
  }
  return words;
}

std::vector<std::string> CaptionsOf(std::string_view row) {
  std::vector<std::string> captions;
  for (std::size_t at = row.find("<td>"); at != std::string_view::npos; at = row.find("<td>", at)) {
    const std::size_t end = row.find("</td>", at);
    if (end == std::string_view::npos) break;
    captions.emplace_back(row.substr(at + 4, end - at - 4));
    at = end;
  }
  return captions;
}

class ReportLanguageTest : public testing::TestWithParam<ReportLanguageName> {};

TEST_P(ReportLanguageTest, ResultsHeaderHasSevenCaptionsInMtLayout) {
  const std::string row = ResultsHeaderLine(GetParam().language);
  EXPECT_TRUE(row.starts_with("<tr bgcolor=\"#C0C0C0\" align=right><td>")) << row;
  EXPECT_TRUE(row.ends_with("</td></tr>")) << row;
  EXPECT_EQ(row.find_first_of("\r\n"), std::string::npos);
  const std::vector<std::string> captions = CaptionsOf(row);
  ASSERT_EQ(captions.size(), 7u) << row;
  for (const std::string& caption : captions) {
    EXPECT_FALSE(caption.empty()) << row;
    EXPECT_EQ(caption.find_first_of("<>?"), std::string::npos) << caption;
  }
  EXPECT_TRUE(captions[5].ends_with(" $")) << captions[5];
  EXPECT_TRUE(captions[6].ends_with(" %")) << captions[6];
}

TEST_P(ReportLanguageTest, TranslationChangesTheHeadsRussianTextsAndTheResultsHeaderOnly) {
  const ReportLanguage language = GetParam().language;
  const std::string russian = ReadBytes(DataPath("report-cp1251.htm"));
  const std::string translated = TranslatedReport(russian, language);
  if (language == ReportLanguage::kRussian) {
    EXPECT_EQ(translated, russian);
  }

  const std::vector<std::string> russianLines = CrLfLines(russian);
  const std::vector<std::string> lines = CrLfLines(translated);
  ASSERT_EQ(lines.size(), russianLines.size());
  ASSERT_EQ(russianLines[kCaptionRow], ResultsHeaderLine());
  EXPECT_EQ(lines[kCaptionRow], ResultsHeaderLine(language));
  for (std::size_t i = kCaptionRow + 1; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i], russianLines[i]) << "line " << i + 1;
  }
  for (std::size_t i = 0; i < kCaptionRow; ++i) {
    const std::vector<std::string> words = RussianWords(russianLines[i]);
    if (words.empty()) {
      EXPECT_EQ(lines[i], russianLines[i]) << "line " << i + 1;
    }
    if (language == ReportLanguage::kRussian) continue;
    for (const std::string& word : words) {
      EXPECT_EQ(lines[i].find(word), std::string::npos) << "line " << i + 1 << " keeps Russian";
    }
    EXPECT_EQ(std::ranges::count(lines[i], '?'), std::ranges::count(russianLines[i], '?'))
        << "line " << i + 1 << " has a letter its code page lacks";
  }
}

TEST_P(ReportLanguageTest, GeneratedReportIsTheRussianOneTranslated) {
  const ReportLanguage language = GetParam().language;
  EXPECT_EQ(GenerateReport(40, 4, language), TranslatedReport(GenerateReport(40, 4), language));
  EXPECT_EQ(ReportHead(language).find('?'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, ReportLanguageTest, testing::ValuesIn(ReportLanguages()),
                         [](const testing::TestParamInfo<ReportLanguageName>& named) {
                           return std::string(named.param.shortName);
                         });

struct CaptionBytes {
  ReportLanguage language;
  std::string_view caption;
};

// Letters beyond ASCII in the code page of each language's terminal.
constexpr CaptionBytes kCaptionBytes[] = {
    {ReportLanguage::kRussian, "<td>\xCF\xF0\xEE\xF5\xEE\xE4</td>"},  // Проход
    {ReportLanguage::kEnglish, "<td>Pass</td>"},
    {ReportLanguage::kGerman,
     "<td>R\xFC"
     "ckgang $</td>"},
    {ReportLanguage::kSpanish, "<td>P\xE9rdida m\xE1xima %</td>"},
    {ReportLanguage::kPolish,
     "<td>Przej\x9C"
     "cie</td>"},
    {ReportLanguage::kPolish,
     "<td>Obsuni\xEA"
     "cie $</td>"},
    {ReportLanguage::kGreek, "<td>\xD0\xDD\xF1\xE1\xF3\xEC\xE1</td>"},  // Πέρασμα
};

TEST(ReportLanguageBytesTest, CaptionsAreInTheTerminalsCodePage) {
  for (const CaptionBytes& expected : kCaptionBytes) {
    EXPECT_NE(ResultsHeaderLine(expected.language).find(expected.caption), std::string::npos)
        << ResultsHeaderLine(expected.language);
  }
}

TEST(ReportLanguageNamesTest, EveryShortNameNamesItsLanguageAndNoOtherNameDoes) {
  EXPECT_EQ(ReportLanguages().size(), 6u);
  for (const ReportLanguageName& named : ReportLanguages()) {
    EXPECT_EQ(ReportLanguageNamed(named.shortName), named.language) << named.shortName;
  }
  for (const std::string_view unknown : {"", "fr", "RU", "russian", "e"}) {
    EXPECT_EQ(ReportLanguageNamed(unknown), std::nullopt) << unknown;
  }
}

TEST(RussianReportTest, DefaultLanguageWritesTheStoredGeneratedReport) {
  const std::string stored = ReadBytes(DataPath("report-clean.htm"));
  EXPECT_EQ(GenerateReport(6, 3), stored);
  EXPECT_EQ(GenerateReport(6, 3, ReportLanguage::kRussian), stored);
}

}  // namespace
