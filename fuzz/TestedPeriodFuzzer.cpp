// The period a report's head gives, on arbitrary bytes. ReadTestedPeriod must give what a model
// gives that decodes the whole body to UTF-8 on its own (the published Windows-1251 table, UTF-8
// and UTF-16 by code-point arithmetic), stops at the first line with "align=right>", takes the
// first line with the Russian caption cell (in a text without a byte-order mark also as UTF-8
// bytes read as Windows-1251) or else the English one, finds the times by a regular
// expression and checks them with the standard library's calendar.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include <core/ReportFile.h>
#include <core/join/TestedPeriod.h>

#include "FuzzCheck.h"
#include "Windows1251Model.h"

using namespace kvl::core;

namespace {

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

constexpr char32_t kReplacement = 0xFFFD;

// Well-formed sequences as they are, anything else a replacement character per byte that
// starts it.
std::string CleanUtf8(std::string_view bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    const std::size_t length = lead < 0x80                   ? 1
                               : lead >= 0xC2 && lead < 0xE0 ? 2
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF5 ? 4
                                                             : 0;
    char32_t c = length == 1   ? lead
                 : length == 2 ? lead & 0x1F
                 : length == 3 ? lead & 0x0F
                               : lead & 0x07;
    bool whole = length != 0 && i + length <= bytes.size();
    for (std::size_t k = 1; whole && k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      whole = (next & 0xC0) == 0x80;
      c = c << 6 | (next & 0x3F);
    }
    const char32_t least = length == 3 ? 0x800 : length == 4 ? 0x10000 : 0;
    if (!whole || c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
      AppendUtf8(out, kReplacement);
      ++i;
      continue;
    }
    AppendUtf8(out, c);
    i += length;
  }
  return out;
}

std::string Utf16ToUtf8Model(std::string_view bytes, bool littleEndian) {
  std::string out;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto a = static_cast<unsigned char>(bytes[i]);
    const auto b = static_cast<unsigned char>(bytes[i + 1]);
    const char32_t unit = littleEndian ? (b << 8 | a) : (a << 8 | b);
    // Surrogates never spell a character the reading looks for.
    AppendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : unit);
  }
  return out;
}

std::string BodyAsUtf8(const std::string& bytes) {
  const std::string_view text = bytes;
  if (text.starts_with("\xEF\xBB\xBF")) return CleanUtf8(text.substr(3));
  if (text.starts_with("\xFF\xFE")) return Utf16ToUtf8Model(text.substr(2), true);
  if (text.starts_with("\xFE\xFF")) return Utf16ToUtf8Model(text.substr(2), false);
  return Windows1251ToUtf8Model(text);
}

std::optional<std::int64_t> ModelMinute(const std::smatch& time) {
  using namespace std::chrono;
  const int y = std::stoi(time[1]);
  const auto m = static_cast<unsigned>(std::stoi(time[2]));
  const auto d = static_cast<unsigned>(std::stoi(time[3]));
  const int hh = std::stoi(time[4]);
  const int mm = std::stoi(time[5]);
  const year_month_day date{year{y}, month{m}, day{d}};
  if (y < 1 || !date.ok() || hh > 23 || mm > 59) return std::nullopt;
  return std::int64_t{sys_days{date}.time_since_epoch().count()} * 1440 + hh * 60 + mm;
}

bool HasByteOrderMark(std::string_view bytes) {
  return bytes.starts_with("\xEF\xBB\xBF") || bytes.starts_with("\xFF\xFE") ||
         bytes.starts_with("\xFE\xFF");
}

std::optional<TestedPeriod> ModelPeriod(const std::string& bytes) {
  const std::string text = BodyAsUtf8(bytes);
  std::vector<std::string_view> captions = {">Период</td>", ">Period</td>"};
  // "Период" in UTF-8, each byte read as a Windows-1251 character.
  if (!HasByteOrderMark(bytes)) captions.insert(captions.begin() + 1, ">РџРµСЂРёРѕРґ</td>");
  static const std::regex kTime(R"((\d{4})\.(\d{2})\.(\d{2}) (\d{2}):(\d{2}))");
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    start = end + 1;
    if (line.find("align=right>") != std::string::npos) return std::nullopt;
    std::size_t caption = std::string::npos;
    std::size_t captionLength = 0;
    for (const std::string_view name : captions) {
      caption = line.find(name);
      captionLength = name.size();
      if (caption != std::string::npos) break;
    }
    if (caption == std::string::npos) continue;
    std::string rest = line.substr(caption + captionLength);
    std::optional<std::int64_t> minutes[2];
    for (auto& minute : minutes) {
      std::smatch time;
      if (!std::regex_search(rest, time, kTime)) return std::nullopt;
      minute = ModelMinute(time);
      if (!minute) return std::nullopt;
      rest = time.suffix().str();
    }
    if (*minutes[1] <= *minutes[0]) return std::nullopt;
    return TestedPeriod{*minutes[0], *minutes[1]};
  }
  return std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::optional<TestedPeriod> period = ReadTestedPeriod(ReportFileOfBytes(bytes));
  const std::optional<TestedPeriod> model = ModelPeriod(bytes);
  FUZZ_CHECK(period.has_value() == model.has_value());
  if (period) {
    FUZZ_CHECK(period->fromMinute == model->fromMinute);
    FUZZ_CHECK(period->toMinute == model->toMinute);
  }
  return 0;
}
