#include <gtest/gtest.h>

#include <core/ErrorText.h>

using namespace kvl::core;

namespace {

TEST(ErrorBoxTextTest, AppendsAPeriodAfterACharacterAboveTheCodeOfThePeriod) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"No such file", "No such file."},
      {"Done.", "Done."},
      {"Stop!", "Stop!"},
      {"a,", "a,"},
      {"a-", "a-"},
      {"a ", "a "},
      {"", ""},
      {"path/", "path/."},  // '/' is 47
      {"12", "12."},
      {"Проход", "Проход."},
  };
  for (const auto& [message, shown] : cases) EXPECT_EQ(ErrorBoxText(message), shown) << message;
}

}  // namespace
