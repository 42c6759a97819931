#include "TestedPeriod.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>

#include <core/CodePage.h>

namespace kvl::core {

namespace {

// Every terminal's results table starts on the first line with this; the header's own rows are
// aligned left, so the period line stands above it.
constexpr std::string_view kTableStart = "align=right>";

// The caption cells of the period row in the Russian and the English terminal, in the encoding
// of the text they are looked for in, the Russian first. A text without a byte-order mark is
// taken for Windows-1251, and may be UTF-8 that an editor saved again without its mark.
constexpr std::string_view kRussianUtf8Caption =
    ">\xD0\x9F\xD0\xB5\xD1\x80\xD0\xB8\xD0\xBE\xD0\xB4</td>";
constexpr std::string_view kEnglishCaption = ">Period</td>";
constexpr std::array<std::string_view, 3> kAnsiCaptions = {">\xCF\xE5\xF0\xE8\xEE\xE4</td>",
                                                           kRussianUtf8Caption, kEnglishCaption};
constexpr std::array<std::string_view, 2> kUtf8Captions = {kRussianUtf8Caption, kEnglishCaption};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int Number(std::string_view digits) {
  int value = 0;
  for (const char c : digits) value = value * 10 + (c - '0');
  return value;
}

// Days from 1970.01.01 to a date of the proleptic Gregorian calendar.
std::int64_t DaysFromEpoch(std::int64_t year, unsigned month, unsigned day) {
  year -= month <= 2 ? 1 : 0;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const auto yearOfEra = static_cast<unsigned>(year - era * 400);
  const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

bool IsLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
  constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// "YYYY.MM.DD HH:MM" at the start of `text`.
bool HasTimeForm(std::string_view text) {
  constexpr std::string_view kForm = "0000.00.00 00:00";
  if (text.size() < kForm.size()) return false;
  for (std::size_t i = 0; i < kForm.size(); ++i) {
    if (kForm[i] == '0' ? !IsDigit(text[i]) : text[i] != kForm[i]) return false;
  }
  return true;
}

// The minute a time of that form stands for, if it is one of the calendar (years 1 to 9999).
std::optional<std::int64_t> MinuteOf(std::string_view time) {
  const int year = Number(time.substr(0, 4));
  const int month = Number(time.substr(5, 2));
  const int day = Number(time.substr(8, 2));
  const int hour = Number(time.substr(11, 2));
  const int minute = Number(time.substr(14, 2));
  if (year < 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
      hour > 23 || minute > 59) {
    return std::nullopt;
  }
  const std::int64_t days =
      DaysFromEpoch(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
  return (days * 24 + hour) * 60 + minute;
}

// The first two times after the caption in the period line.
std::optional<TestedPeriod> PeriodOfLine(std::string_view afterCaption) {
  std::array<std::int64_t, 2> minutes{};
  std::size_t found = 0;
  for (std::size_t at = 0; found < minutes.size() && at < afterCaption.size();) {
    if (!HasTimeForm(afterCaption.substr(at))) {
      ++at;
      continue;
    }
    const std::optional<std::int64_t> minute = MinuteOf(afterCaption.substr(at, 16));
    if (!minute) return std::nullopt;
    minutes[found++] = *minute;
    at += 16;
  }
  if (found < minutes.size() || minutes[1] <= minutes[0]) return std::nullopt;
  return TestedPeriod{minutes[0], minutes[1]};
}

// Reads the head line by line: `nextLine` hands out the next line, or nullopt at the end.
template <class NextLine>
std::optional<TestedPeriod> ReadHead(NextLine nextLine,
                                     std::span<const std::string_view> captions) {
  while (const std::optional<std::string_view> line = nextLine()) {
    if (line->find(kTableStart) != std::string_view::npos) return std::nullopt;
    for (const std::string_view caption : captions) {
      const std::size_t at = line->find(caption);
      if (at != std::string_view::npos) return PeriodOfLine(line->substr(at + caption.size()));
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<TestedPeriod> ReadTestedPeriod(const ReportFile& file) {
  if (file.encoding == ReportFile::Encoding::Ansi || file.encoding == ReportFile::Encoding::Utf8) {
    std::string_view rest = file.body;
    auto nextLine = [&rest]() -> std::optional<std::string_view> {
      if (rest.empty()) return std::nullopt;
      const std::size_t end = std::min(rest.find('\n'), rest.size());
      const std::string_view line = rest.substr(0, end);
      rest.remove_prefix(std::min(end + 1, rest.size()));
      return line;
    };
    if (file.encoding == ReportFile::Encoding::Ansi) return ReadHead(nextLine, kAnsiCaptions);
    return ReadHead(nextLine, kUtf8Captions);
  }
  // UTF-16 is decoded one line at a time, and only as far as the head goes.
  const bool littleEndian = file.encoding == ReportFile::Encoding::Utf16LE;
  std::string_view rest = file.body;
  std::u16string units;
  std::string line;
  auto nextLine = [&]() -> std::optional<std::string_view> {
    if (rest.size() < 2) return std::nullopt;
    units.clear();
    while (rest.size() >= 2) {
      const auto first = static_cast<unsigned char>(rest[0]);
      const auto second = static_cast<unsigned char>(rest[1]);
      rest.remove_prefix(2);
      const auto unit =
          static_cast<char16_t>(littleEndian ? first | second << 8 : first << 8 | second);
      if (unit == u'\n') break;
      units.push_back(unit);
    }
    line = Utf16ToUtf8(units);
    return std::string_view(line);
  };
  return ReadHead(nextLine, kUtf8Captions);
}

}  // namespace kvl::core
