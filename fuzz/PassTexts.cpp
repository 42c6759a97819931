#include "PassTexts.h"

#include <iterator>
#include <string_view>
#include <utility>

namespace kvl::fuzz {

namespace {

constexpr std::size_t kMaxNames = 8;
constexpr std::size_t kMaxPasses = 64;
constexpr std::size_t kMaxRawBytes = 12;

// Names that differ at the start, the end or only in blanks, longer and shorter than a word,
// and a few that do not make a name: empty, or holding a ';' or an '='.
constexpr std::string_view kNames[] = {
    "A",    "B",      "Lots", "Lot",           "LotsMax",     "TakeProfit", "StopLossLevelLong",
    " A",   "A\t",    "B ",   "Trailing Stop", "UseTrailing", "X",          "",
    "S;op", "E=qual",
};

// Values that convert or not, the same number written apart, blanks around, long and short.
constexpr std::string_view kValues[] = {
    "0",     "1",   "2",   "10",           "1.5",
    "1.50",  "-3",  "0.1", " 7",           "7 ",
    "abc",   "",    "1e3", "12345678.25",  "true",
    "false", "x=y", "1,5", "100000000000", "a value past eight bytes",
};

class Bytes {
 public:
  explicit Bytes(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool Empty() const { return at_ == bytes_.size(); }
  // 0 once every byte is read.
  std::size_t Next() { return Empty() ? 0 : bytes_[at_++]; }
  std::string_view Name() { return kNames[Next() % std::size(kNames)]; }
  std::string_view Value() { return kValues[Next() % std::size(kValues)]; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

struct Line {
  std::string name;
  std::string value;
  char after = ' ';  // the byte after the line's ';'
};

std::string Text(const std::vector<Line>& lines, std::size_t ending, std::size_t pass) {
  std::string text;
  for (const Line& line : lines) text += line.name + "=" + line.value + ";" + line.after;
  switch (ending) {
    case 0:
      return text + "\">" + std::to_string(pass + 1);
    case 1:
      return text + "\">7";
    case 2:
      return text;
    default:
      if (!text.empty()) text.pop_back();
      return text;
  }
}

// Kind 0 to 3 of the control byte: one value, two, every one, none.
void ChangeValues(std::vector<Line>& lines, std::size_t kind, Bytes& bytes) {
  if (kind == 2) {
    for (Line& line : lines) line.value = bytes.Value();
    return;
  }
  const std::size_t count = kind == 0 ? 1 : kind == 1 ? 2 : 0;
  for (std::size_t k = 0; k < count && !lines.empty(); ++k) {
    lines[bytes.Next() % lines.size()].value = bytes.Value();
  }
}

// Changes the lines themselves rather than a value: kind 4 to 7 of the control byte.
void ChangeLines(std::vector<Line>& lines, std::size_t kind, Bytes& bytes) {
  if (kind == 5 || lines.empty()) {
    const auto at = static_cast<std::ptrdiff_t>(bytes.Next() % (lines.size() + 1));
    const std::string_view name = bytes.Name();
    lines.insert(lines.begin() + at, Line{std::string(name), std::string(bytes.Value())});
    return;
  }
  const std::size_t at = bytes.Next() % lines.size();
  if (kind == 4) {
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
  } else if (kind == 6) {
    std::swap(lines[at], lines[bytes.Next() % lines.size()]);
  } else if (const std::size_t length = bytes.Next() % (kMaxRawBytes + 1); length == 0) {
    lines[at].after = static_cast<char>(bytes.Next());
  } else {
    lines[at].value.clear();
    for (std::size_t k = 0; k < length; ++k) lines[at].value += static_cast<char>(bytes.Next());
  }
}

}  // namespace

std::vector<std::string> DecodePassTexts(std::span<const std::uint8_t> data) {
  Bytes bytes(data);
  std::vector<Line> lines(1 + bytes.Next() % kMaxNames);
  for (Line& line : lines) {
    line.name = bytes.Name();
    line.value = bytes.Value();
  }
  std::vector<std::string> texts;
  while (texts.size() < kMaxPasses && !bytes.Empty()) {
    const std::size_t control = bytes.Next();
    const std::size_t kind = control % 8;
    const std::size_t ending = (control >> 3) % 4;
    const bool lasting = (control & 0x20) != 0;
    if (kind < 4) {
      ChangeValues(lines, kind, bytes);
      texts.push_back(Text(lines, ending, texts.size()));
    } else if (lasting) {
      ChangeLines(lines, kind, bytes);
      texts.push_back(Text(lines, ending, texts.size()));
    } else {
      std::vector<Line> once = lines;
      ChangeLines(once, kind, bytes);
      texts.push_back(Text(once, ending, texts.size()));
    }
  }
  return texts;
}

}  // namespace kvl::fuzz
