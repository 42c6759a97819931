#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RunToolWithLanguage.h"
#include "TestFiles.h"
#include "ToolMessages.h"

namespace {

struct LanguageCase {
  const char* name;
  std::vector<std::string> variables;
  bool russian;
};

class UserLanguageTest : public testing::TestWithParam<LanguageCase> {};

// LC_ALL outranks LC_MESSAGES, which outranks LANG; LANGUAGE counts only where the locale is not
// C, as in every gettext program.
INSTANTIATE_TEST_SUITE_P(
    Environments, UserLanguageTest,
    testing::Values(LanguageCase{"RussianLang", {"LANG=ru_RU.UTF-8"}, true},
                    LanguageCase{"CLang", {"LANG=C"}, false}, LanguageCase{"NoVariable", {}, false},
                    LanguageCase{
                        "RussianMessages", {"LANG=C.UTF-8", "LC_MESSAGES=ru_RU.UTF-8"}, true},
                    LanguageCase{"CAllOverRussianLang", {"LANG=ru_RU.UTF-8", "LC_ALL=C"}, false},
                    LanguageCase{"LanguageUnderC", {"LANG=C", "LANGUAGE=ru"}, false},
                    LanguageCase{"LocaleTheSystemLacks", {"LANG=xx_XX.UTF-8"}, false}),
    [](const testing::TestParamInfo<LanguageCase>& language) {
      return std::string(language.param.name);
    });

TEST_P(UserLanguageTest, CheckAnswersInTheLocalesLanguage) {
  const ToolRun run =
      RunToolWithLanguage(GetParam().variables, {"check", DataPath("report-cp1251.htm")});
  EXPECT_EQ(run.status, 1) << run.err;  // the report has cells that do not convert
  EXPECT_EQ(run.out, ReadBytes(DataPath(GetParam().russian ? "report-cp1251-check-ru.txt"
                                                           : "report-cp1251-check.txt")));
}

// What goes wrong is told in Russian too: the tool's own words, the parser's, the core's, and the
// system's reason inside them.
TEST(UserLanguage, MessagesAreRussianUnderARussianLocale) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"frobnicate"}, "неизвестная команда frobnicate; см. 'kvl-ridavu-cli --help'\n"},
      {{"export"},
       "export: REPORT: обязательный аргумент не указан; см. 'kvl-ridavu-cli export --help'\n"},
      {{"list", "x.htm", "--format"},
       "list: --format: не указано значение FORMAT (нужно: 1); см. 'kvl-ridavu-cli list --help'\n"},
      {{"join", DataPath("join-base.htm"), DataPath("join-oos.htm"), "--labels", "a,b,c"},
       "--labels задаёт 3 метки для 2 отчётов.\n"},
      {{"list", "/nonexistent/report.htm"},
       "Не удаётся открыть файл \"/nonexistent/report.htm\". Нет такого файла или каталога.\n"},
  };
  for (const auto& [args, message] : cases) {
    const ToolRun run = RunToolWithLanguage({"LANG=ru_RU.UTF-8"}, args);
    EXPECT_NE(run.status, 0) << args[0];
    EXPECT_EQ(run.err, ToolMessages(message)) << args[0];
  }
}

TEST(UserLanguage, HelpIsRussianUnderARussianLocale) {
  const ToolRun run = RunToolWithLanguage({"LANG=ru_RU.UTF-8"}, {"check", "--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_TRUE(run.out.starts_with("использование: kvl-ridavu-cli check REPORT")) << run.out;
  EXPECT_NE(run.out.find("  -h,--help                 Показать эту справку и выйти\n"),
            std::string::npos)
      << run.out;
}

}  // namespace

// A join's captions are the window's, after each report's label, and its summary is Russian.
TEST(UserLanguage, JoinSpeaksRussianUnderARussianLocale) {
  const ToolRun run = RunToolWithLanguage(
      {"LANG=ru_RU.UTF-8"},
      {"join", DataPath("join-base.htm"), DataPath("join-oos.htm"), "--labels", "base,oos"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, ReadBytes(DataPath("join-base-oos-ru.txt")));
  EXPECT_EQ(run.err, ReadBytes(DataPath("join-base-oos-summary-ru.txt")));
}
