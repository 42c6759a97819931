#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ArgumentParser.h"
#include "PassListing.h"

namespace {

TEST(EscapeFieldTest, WritesBackslashTabCrAndLfAsTwoCharacters) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"plain", "plain"},   {"a\\b", "a\\\\b"}, {"a\tb", "a\\tb"},
      {"a\rb", "a\\rb"},    {"a\nb", "a\\nb"},  {"\r\n\t\\", "\\r\\n\\t\\\\"},
      {"Проход", "Проход"}, {"", ""},
  };
  for (const auto& [field, escaped] : cases) EXPECT_EQ(EscapeField(field), escaped) << field;
}

constexpr OptionSpec kSpecs[] = {{"--sort", true}, {"--params", false}, {"-o", true}};

ParsedArguments Parse(std::vector<std::string_view> args) {
  return ParseArguments(args, kSpecs);
}

TEST(ParseArgumentsTest, KeepsRepeatedOptionsInOrderAmongPositionals) {
  const ParsedArguments parsed =
      Parse({"--sort", "profit:desc", "report.htm", "--sort=trades:asc", "--params", "-o", "-"});
  EXPECT_EQ(parsed.positionals, std::vector<std::string_view>{"report.htm"});
  EXPECT_EQ(parsed.Values("--sort"), (std::vector<std::string_view>{"profit:desc", "trades:asc"}));
  EXPECT_EQ(parsed.Last("--sort"), "trades:asc");
  EXPECT_TRUE(parsed.Has("--params"));
  EXPECT_EQ(parsed.Last("-o"), "-");
  EXPECT_FALSE(Parse({"report.htm"}).Last("-o").has_value());
}

TEST(ParseArgumentsTest, TakesEverythingAfterDoubleDashAndALoneDashAsPositional) {
  const ParsedArguments parsed = Parse({"-", "--", "--params", "-1"});
  EXPECT_EQ(parsed.positionals, (std::vector<std::string_view>{"-", "--params", "-1"}));
  EXPECT_TRUE(parsed.options.empty());
}

TEST(ParseArgumentsTest, RefusesWhatTheCommandDoesNotTake) {
  for (const auto& args : std::vector<std::vector<std::string_view>>{
           {"--unknown"}, {"-x"}, {"--params=1"}, {"--sort"}, {"report.htm", "-o"}}) {
    EXPECT_THROW(Parse(args), UsageError) << args.front();
  }
}

TEST(ExpectPositionalsTest, NamesWhatIsMissingOrTooMuch) {
  const auto messageFor = [](std::vector<std::string_view> args) {
    try {
      ExpectPositionals(Parse(args), {"REPORT", "PASS"});
    } catch (const UsageError& error) {
      return std::string(error.what());
    }
    return std::string("accepted");
  };
  EXPECT_EQ(messageFor({"r.htm", "3"}), "accepted");
  EXPECT_EQ(messageFor({}), "missing REPORT");
  EXPECT_EQ(messageFor({"r.htm"}), "missing PASS");
  EXPECT_EQ(messageFor({"r.htm", "3", "4"}), "unexpected argument 4");
}

}  // namespace
