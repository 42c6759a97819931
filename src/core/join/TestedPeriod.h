#pragma once

#include <cstdint>
#include <optional>

#include <core/ReportFile.h>

namespace kvl::core {

// The span of history a report's passes were tested on, as its header's period line gives it:
// "Daily (D1)  2014.09.01 00:00 - 2015.08.28 00:00 (2014.09.01 - 2015.08.29)" under "Период" or
// "Period". The first two times are those of the first and the last bar tested.
struct TestedPeriod {
  std::int64_t fromMinute = 0;  // minutes since 1970.01.01 00:00
  std::int64_t toMinute = 0;    // later than fromMinute

  // Julian years, so that a period's length does not hang on where its leap days fall.
  long double Years() const noexcept {
    return static_cast<long double>(toMinute - fromMinute) / (365.25L * 24 * 60);
  }
};

// The period of the report in `file`, read from the text above its results table, whatever the
// file's encoding; nullopt where it has no period line, or one whose times do not read as dates
// of the calendar, or whose last time is not after its first.
std::optional<TestedPeriod> ReadTestedPeriod(const ReportFile& file);

}  // namespace kvl::core
