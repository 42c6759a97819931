// The same report saved by terminals in different languages loads the same passes: every fixture
// translated into each language the generator knows gives the rows of its Russian original.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <core/ReportLoader.h>

#include "PassFields.h"
#include "ReportLanguage.h"
#include "ReportTranslation.h"
#include "TestFiles.h"

using namespace kvl::core;

namespace {

using Rows = std::vector<std::vector<std::string>>;

class HeaderLanguages final : public ReportLineListener {
 public:
  void TextEncoding(ReportFile::Encoding) override {}
  void Header(std::size_t, HeaderLanguage language, std::string_view) override {
    told.push_back(language);
  }
  void Skipped(std::size_t) override {}
  void Stored(std::size_t, std::string_view, const PassRecord&) override {}

  std::vector<HeaderLanguage> told;
};

Rows LoadedRows(const std::string& path, HeaderLanguages& languages) {
  PassTable table;
  const int n = LoadReport(path, table, languages);
  Rows rows;
  for (int s = 0; s < n; ++s) rows.push_back(AllFields(table[static_cast<std::size_t>(s)]));
  return rows;
}

HeaderLanguage ExpectedLanguage(ReportLanguage language) {
  switch (language) {
    case ReportLanguage::kRussian:
      return HeaderLanguage::kRussian;
    case ReportLanguage::kEnglish:
      return HeaderLanguage::kEnglish;
    default:
      return HeaderLanguage::kByStructure;
  }
}

TEST(ReportLanguages, EveryFixtureGivesTheSameRowsInEveryLanguage) {
  const TempDir dir;
  for (const char* fixture :
       {"report-cp1251.htm", "report-clean.htm", "report-faults.htm", "awkward-report.htm",
        "map-report.htm", "../../examples/sample-report.htm"}) {
    const std::string russian = ReadBytes(DataPath(fixture));
    HeaderLanguages russianHeaders;
    const Rows expected = LoadedRows(DataPath(fixture), russianHeaders);
    ASSERT_FALSE(expected.empty()) << fixture;
    for (const ReportLanguageName& language : ReportLanguages()) {
      const std::string translated = TranslatedReport(russian, language.language);
      if (language.language != ReportLanguage::kRussian) {
        ASSERT_NE(translated, russian) << fixture << " in " << language.shortName;
      }
      HeaderLanguages headers;
      EXPECT_EQ(LoadedRows(dir.Write("report.htm", translated), headers), expected)
          << fixture << " in " << language.shortName;
      EXPECT_EQ(headers.told, std::vector<HeaderLanguage>(russianHeaders.told.size(),
                                                          ExpectedLanguage(language.language)))
          << fixture << " in " << language.shortName;
    }
  }
}

}  // namespace
