#include "TableStructure.h"

#include <array>
#include <optional>

namespace kvl::core {

namespace {

constexpr std::size_t kLeastCaptions = 7;

// An ASCII marker in the report's character type, kept for the life of the program.
template <class CharT, std::size_t N>
struct Marker {
  std::array<CharT, N - 1> text;
  static constexpr std::size_t size() { return N - 1; }
  constexpr operator std::basic_string_view<CharT>() const { return {text.data(), text.size()}; }
};

template <class CharT, std::size_t N>
consteval Marker<CharT, N> Ascii(const char (&ascii)[N]) {
  Marker<CharT, N> marker{};
  for (std::size_t k = 0; k + 1 < N; ++k) marker.text[k] = static_cast<CharT>(ascii[k]);
  return marker;
}

// Reads a line from left to right, a marker or a cell at a time.
template <class CharT>
class LineReader {
 public:
  using View = std::basic_string_view<CharT>;

  explicit LineReader(View rest) : rest_(rest) {}

  // Takes `marker` when the line goes on with it.
  bool Take(View marker) {
    if (!rest_.starts_with(marker)) return false;
    rest_.remove_prefix(marker.size());
    return true;
  }

  // Takes the text up to the next '<', which must open `closing`, and `closing` after it.
  std::optional<View> TakeCell(View closing) {
    const std::size_t end = rest_.find(CharT{'<'});
    if (end == View::npos) return std::nullopt;
    const View cell = rest_.substr(0, end);
    rest_.remove_prefix(end);
    if (!Take(closing)) return std::nullopt;
    return cell;
  }

 private:
  View rest_;
};

}  // namespace

template <class CharT>
std::vector<std::basic_string_view<CharT>> CaptionsOfCaptionRow(
    std::basic_string_view<CharT> line) {
  static constexpr auto kRowStart = Ascii<CharT>("align=right>");
  static constexpr auto kCellStart = Ascii<CharT>("<td>");
  static constexpr auto kCellEnd = Ascii<CharT>("</td>");
  static constexpr auto kRowEnd = Ascii<CharT>("</tr>");
  const std::size_t start = line.find(kRowStart);
  if (start == 0 || start == line.npos) return {};
  LineReader<CharT> row(line.substr(start + kRowStart.size()));
  std::vector<std::basic_string_view<CharT>> captions;
  while (!row.Take(kRowEnd)) {
    if (!row.Take(kCellStart)) return {};
    const auto caption = row.TakeCell(kCellEnd);
    if (!caption || caption->empty()) return {};
    captions.push_back(*caption);
  }
  // Further columns, as a terminal that adds one to its results may write, are passed over like
  // a data row's further cells.
  if (captions.size() < kLeastCaptions) return {};
  return captions;
}

template <class CharT>
bool IsDataRowOfKnownForm(std::basic_string_view<CharT> line) {
  static constexpr auto kTitle = Ascii<CharT>("<td title=");
  static constexpr auto kCellEnd = Ascii<CharT>("</td>");
  static constexpr auto kMsptCell = Ascii<CharT>("<td class=mspt>");
  static constexpr auto kPlainSeparator = Ascii<CharT>("</td><td>");
  static constexpr auto kMsptSeparator = Ascii<CharT>("</td><td class=mspt>");
  const std::size_t title = line.find(kTitle);
  const std::size_t firstCellEnd = line.find(kCellEnd);
  if (title == line.npos || firstCellEnd == line.npos || title > firstCellEnd) return false;
  LineReader<CharT> row(line.substr(firstCellEnd));
  if (!row.Take(kCellEnd) || !row.Take(kMsptCell)) return false;
  const auto profit = row.TakeCell(kPlainSeparator);
  if (!profit || profit->empty()) return false;
  for (int cell = 0; cell < 4; ++cell) {
    if (!row.TakeCell(kMsptSeparator)) return false;
  }
  return row.TakeCell(kCellEnd).has_value();
}

template std::vector<std::string_view> CaptionsOfCaptionRow(std::string_view);
template std::vector<std::u16string_view> CaptionsOfCaptionRow(std::u16string_view);
template bool IsDataRowOfKnownForm(std::string_view);
template bool IsDataRowOfKnownForm(std::u16string_view);

}  // namespace kvl::core
