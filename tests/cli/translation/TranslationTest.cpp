#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <cli/translation/CoreMessages.h>
#include <cli/translation/ParserMessages.h>
#include <cli/translation/Translation.h>

namespace {

using kvl::cli::Filled;

struct FillCase {
  const char* text;
  std::vector<std::string_view> values;
  const char* filled;
};

TEST(Filled, PutsEachValueInItsNumberedPlace) {
  const std::vector<FillCase> cases = {
      {"{1} and {2}", {"a", "b"}, "a and b"},
      {"{2} before {1}", {"a", "b"}, "b before a"},
      {"{1}{1}", {"x"}, "xx"},
      {"{10}", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "ten"}, "ten"},
      // Braces that name no value stay, as in a name template's {index}.
      {"{0} {3} {index} {} {1", {"a", "b"}, "{0} {3} {index} {} {1"},
      {"{123}", {"a"}, "{123}"},
      // A value is put in as it is, even where it holds a placeholder itself.
      {"{1} {2}", {"{2}", "b"}, "{2} b"},
      {"", {}, ""},
  };
  for (const FillCase& c : cases) EXPECT_EQ(Filled(c.text, c.values), c.filled) << c.text;
}

// The process runs in Russian, with the catalogue as the build compiled it.
class RussianMessagesTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ::setenv("LC_ALL", "ru_RU.UTF-8", 1);
    kvl::cli::UseUserLanguage(KVL_CATALOGUES);
  }
};

TEST_F(RussianMessagesTest, TheCoresMessagesKeepTheirPathValueAndReason) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"Cannot open file \"/r/a \". b.htm\". No such file",
       "Не удаётся открыть файл \"/r/a \". b.htm\". No such file"},
      {"Cannot create file \"/s/1.set\". Read-only",
       "Не удаётся создать файл \"/s/1.set\". Read-only"},
      {"Cannot write file \"/s/1.set\". Disk full",
       "Не удаётся записать файл \"/s/1.set\". Disk full"},
      {"Cannot write the files in folder \"/s\". I/O error",
       "Не удаётся записать файлы в папку \"/s\". I/O error"},
      {"'1,5' is not a valid floating point value",
       "'1,5' не является допустимым числом с плавающей точкой"},
      {"''' is not a valid floating point value",
       "''' не является допустимым числом с плавающей точкой"},
      {"''0x'' is not a valid integer value", "'0x' не является допустимым целым числом"},
      {"Out of memory", "Недостаточно памяти"},
      // Any other text, and one that only looks like the start of a message, stays.
      {"Cannot open file \"/r/a.htm", "Cannot open file \"/r/a.htm"},
      {"'", "'"},
      {"Something else", "Something else"},
  };
  for (const auto& [message, translated] : cases) {
    EXPECT_EQ(kvl::cli::TranslatedCoreMessage(message), translated) << message;
  }
}

TEST_F(RussianMessagesTest, TheParsersMessagesKeepTheirNames) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"REPORT is required", "REPORT: обязательный аргумент не указан"},
      {"--format: 1 required FORMAT missing", "--format: не указано значение FORMAT (нужно: 1)"},
      {"params was given a disallowed flag override", "params не принимает значения"},
      {"--limit: Value abc not in range", "--limit: Value abc not in range"},
  };
  for (const auto& [message, translated] : cases) {
    EXPECT_EQ(kvl::cli::TranslatedParserMessage(message), translated) << message;
  }
}

TEST_F(RussianMessagesTest, CountsTakeTheRussianFormOfTheirNumber) {
  const std::vector<std::pair<std::size_t, std::string>> cases = {
      {1, "1 файл"},   {2, "2 файла"},   {5, "5 файлов"},     {11, "11 файлов"},
      {21, "21 файл"}, {22, "22 файла"}, {112, "112 файлов"},
  };
  for (const auto& [count, expected] : cases) {
    const std::string text =
        kvl::cli::TrCount("The file {1} and {2} more exist; --force replaces them",
                          "The file {1} and {2} more exist; --force replaces them", count,
                          {"F", std::to_string(count)});
    EXPECT_NE(text.find("ещё " + expected + " уже"), std::string::npos) << text;
  }
}

}  // namespace
