#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <core/ReportFile.h>
#include <core/join/TestedPeriod.h>

#include "CodePageText.h"
#include "ComparedReports.h"

using namespace kvl::core;

namespace {

constexpr std::string_view kTable =
    "<table>\r\n<tr bgcolor=\"#C0C0C0\" align=right><td>Pass</td><td>Profit</td></tr>\r\n";

// A head that holds `row`, in Windows-1251, before the results table.
std::string Head(const std::string& row) {
  return "<html>\r\n<table width=820>\r\n" + CodePageTextFromUtf8(row, WindowsCodePage::k1251) +
         "\r\n</table>\r\n" + std::string(kTable);
}

std::u16string Utf16(const std::string& ascii) {
  return {ascii.begin(), ascii.end()};
}

std::string Utf16Bytes(std::u16string_view text, bool littleEndian) {
  std::string bytes = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
  for (const char16_t unit : text) {
    const auto low = static_cast<char>(unit & 0xFF);
    const auto high = static_cast<char>(unit >> 8);
    bytes += littleEndian ? std::string{low, high} : std::string{high, low};
  }
  return bytes;
}

// The minutes since 1970.01.01 00:00, worked out apart from the code.
constexpr std::int64_t k2019_01_02 = 25773120;
constexpr std::int64_t k2023_12_29_2300 = 28398180;
constexpr std::int64_t k2014_09_01 = 23492160;
constexpr std::int64_t k2015_08_28 = 24012000;
constexpr std::int64_t k2024_02_29_1230 = 28486830;
constexpr std::int64_t kMinutesPerDay = 24 * 60;

using Minutes = std::optional<std::pair<std::int64_t, std::int64_t>>;

Minutes Read(const std::string& bytes) {
  const std::optional<TestedPeriod> period = ReadTestedPeriod(ReportFileOfBytes(bytes));
  if (!period) return std::nullopt;
  return std::pair{period->fromMinute, period->toMinute};
}

struct PeriodCase {
  std::string name;
  std::string bytes;
  Minutes expected;
};

TEST(TestedPeriodTest, ReadsThePeriodRowAboveTheTable) {
  const std::string russian = HourlyPeriod("2019.01.02 00:00", "2023.12.29 23:00");
  const std::string english = HeadRow(
      "Period", "Daily (D1)  2014.09.01 00:00 - 2015.08.28 00:00 (2014.09.01 - 2015.08.29)");
  const std::vector<PeriodCase> cases = {
      {"russian",
       Head(HeadRow("Период",
                    "1 Час (H1) 2019.01.02 00:00 - 2023.12.29 23:00 "
                    "(2019.01.01 - 2024.01.01)")),
       std::pair{k2019_01_02, k2023_12_29_2300}},
      {"english", Head(english), std::pair{k2014_09_01, k2015_08_28}},
      {"no period row", Head(HeadRow("Символ", "GBPUSD 2014.09.01 00:00 - 2015.08.28 00:00")),
       std::nullopt},
      {"leap day", Head(HourlyPeriod("2024.02.28 12:30", "2024.02.29 12:30")),
       std::pair{k2024_02_29_1230 - kMinutesPerDay, k2024_02_29_1230}},
      {"not a leap year", Head(HourlyPeriod("2023.02.28 00:00", "2023.02.29 00:00")), std::nullopt},
      {"century", Head(HourlyPeriod("2100.02.28 00:00", "2100.02.29 00:00")), std::nullopt},
      {"400 years", Head(HourlyPeriod("2000.02.29 00:00", "2000.03.01 00:00")),
       std::pair{std::int64_t{11016} * kMinutesPerDay, std::int64_t{11017} * kMinutesPerDay}},
      {"month 13", Head(HourlyPeriod("2019.13.01 00:00", "2020.01.01 00:00")), std::nullopt},
      {"day 31 of April", Head(HourlyPeriod("2019.04.31 00:00", "2020.01.01 00:00")), std::nullopt},
      {"hour 24", Head(HourlyPeriod("2019.01.02 24:00", "2020.01.01 00:00")), std::nullopt},
      {"minute 60", Head(HourlyPeriod("2019.01.02 00:60", "2020.01.01 00:00")), std::nullopt},
      {"year 0", Head(HourlyPeriod("0000.01.01 00:00", "2020.01.01 00:00")), std::nullopt},
      {"before 1970", Head(HourlyPeriod("1969.12.31 23:59", "1970.01.01 00:00")),
       std::pair{std::int64_t{-1}, std::int64_t{0}}},
      {"equal times", Head(HourlyPeriod("2019.01.02 00:00", "2019.01.02 00:00")), std::nullopt},
      {"reversed", Head(HourlyPeriod("2019.01.03 00:00", "2019.01.02 00:00")), std::nullopt},
      {"one time", Head(HeadRow("Period", "Daily (D1)  2014.09.01 00:00")), std::nullopt},
      {"dates without times", Head(HeadRow("Period", "(2014.09.01 - 2015.08.29)")), std::nullopt},
      // The times come from the period row alone, and only from its first.
      {"times on the next row",
       Head(HeadRow("Period", "Daily") + "\r\n" +
            HeadRow("Model",
                    "2014.09.01 00:00 - 2015.08.28 "
                    "00:00")),
       std::nullopt},
      {"second period row", Head(HeadRow("Period", "none") + "\r\n" + english), std::nullopt},
      {"below the table",
       std::string(kTable) + CodePageTextFromUtf8(russian, WindowsCodePage::k1251), std::nullopt},
      {"utf-8 russian",
       "\xEF\xBB\xBF<html>\r\n" + HourlyPeriod("2019.01.02 00:00", "2023.12.29 23:00") + "\r\n" +
           std::string(kTable),
       std::pair{k2019_01_02, k2023_12_29_2300}},
      {"utf-8 without its mark",
       "<html>\r\n" + HourlyPeriod("2019.01.02 00:00", "2023.12.29 23:00") + "\r\n" +
           std::string(kTable),
       std::pair{k2019_01_02, k2023_12_29_2300}},
      {"utf-16 le", Utf16Bytes(u"<html>\r\n" + Utf16(english) + u"\r\n", true),
       std::pair{k2014_09_01, k2015_08_28}},
      {"utf-16 be russian",
       Utf16Bytes(u"<tr><td>\u041F\u0435\u0440\u0438\u043E\u0434</td><td>2014.09.01 00:00 - "
                  u"2015.08.28 00:00</td>",
                  false),
       std::pair{k2014_09_01, k2015_08_28}},
      {"utf-16 odd byte", Utf16Bytes(Utf16(english), true) + "x",
       std::pair{k2014_09_01, k2015_08_28}},
      {"empty", "", std::nullopt},
  };
  for (const PeriodCase& c : cases) {
    EXPECT_EQ(Read(c.bytes), c.expected) << c.name;
  }
}

TEST(TestedPeriodTest, YearsAreJulian) {
  const TestedPeriod period{0, 2 * 365 * kMinutesPerDay + kMinutesPerDay / 2};
  EXPECT_EQ(period.Years(), 2.0L);
}

}  // namespace
