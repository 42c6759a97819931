#include "ReportHeader.h"

#include <cstring>
#include <string>

#include "CodePage.h"

namespace kvl::core {

namespace {

// "align=right><td>Проход<" in Windows-1251, as the report's results header carries it.
constexpr std::string_view kHeaderMarker = "align=right><td>\xCF\xF0\xEE\xF5\xEE\xE4<";

// The marker's one byte that report text rarely holds ('П'): lines are searched for it, and the
// marker is compared only around it.
constexpr char kAnchor = '\xCF';
constexpr std::size_t kAnchorAt = kHeaderMarker.find(kAnchor);
static_assert(kHeaderMarker.find(kAnchor, kAnchorAt + 1) == std::string_view::npos);

}  // namespace

bool IsHeaderLine(std::string_view line) noexcept {
  for (std::size_t from = kAnchorAt; from < line.size();) {
    const void* hit = std::memchr(line.data() + from, kAnchor, line.size() - from);
    if (hit == nullptr) return false;
    const auto anchor = static_cast<std::size_t>(static_cast<const char*>(hit) - line.data());
    const std::size_t start = anchor - kAnchorAt;
    if (line.substr(start).starts_with(kHeaderMarker)) return start > 0;
    from = anchor + 1;
  }
  return false;
}

bool IsHeaderLine(std::u16string_view line) {
  static const std::u16string marker = AnsiToUtf16(kHeaderMarker);
  const std::size_t at = line.find(marker);
  return at != std::u16string_view::npos && at > 0;
}

}  // namespace kvl::core
