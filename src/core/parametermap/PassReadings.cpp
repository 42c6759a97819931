#include "PassReadings.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string_view>
#include <utility>

#include <core/parameters/ParameterLines.h>
#include <core/parameters/ParameterPair.h>

namespace kvl::core {

namespace {

// Inline, for the short lines of parameter texts, where a call to memcmp costs more than the
// comparison.
[[gnu::always_inline]] inline bool SameBytes(const char* a, const char* b, std::size_t count) {
  constexpr std::size_t kWord = sizeof(std::uint64_t);
  const auto word = [](const char* bytes) {
    std::uint64_t value = 0;
    std::memcpy(&value, bytes, kWord);
    return value;
  };
  // Packed, fewer than eight bytes are told apart by their count, which both sides share.
  if (count < kWord) return PackedBytes(a, count) == PackedBytes(b, count);
  for (std::size_t i = 0; i + kWord < count; i += kWord) {
    if (word(a + i) != word(b + i)) return false;
  }
  return word(a + count - kWord) == word(b + count - kWord);
}

// One line of a pass as it was last read: where its bytes lie and what they read as. A line taken
// with the unchanged rest of the pass before keeps the bytes of an earlier pass, which are the
// same and live as long as the table, so it is compared with them wherever they lie.
struct ReadLine {
  const char* bytes = nullptr;
  std::size_t length = 0;  // without its ';'
  std::size_t head = 0;    // the bytes through the first '='
  std::uint32_t name = 0;
  std::uint32_t value = 0;
};

// Reads pass after pass. Passes nearly always carry the names of the pass before them, in the
// same order, and most of its values. So a line whose name is the one in its place in the pass
// before needs only its value read. From where the pass before stopped changing, and again after
// each line that changed from there on, the rest of its lines are compared all at once.
class PassReader {
 public:
  PassReader(PassReadings& readings, std::size_t count) : readings_(readings), count_(count) {}

  // The sequence number of pass slot `pass`; kNoNumber when its text does not split into pairs.
  // The pass's value numbers go into the value columns.
  std::uint32_t Read(std::size_t pass, std::string_view text);

 private:
  // How many bytes the text goes on with, from `start`, that are the lines of the pass before
  // from the one at `previousAt` in its text through the last one's ';', each with more than one
  // byte after its ';'; 0 when it does not.
  std::size_t TailFollowing(std::string_view text, std::size_t start, std::size_t previousAt) const;
  // Reads the line [start, at) afresh into `read`; false when it is not a pair.
  bool ReadNew(std::string_view line, const char* bytes, ReadLine& read);
  // Inline: it is asked for every changed value of every pass.
  [[gnu::always_inline]] std::uint32_t ValueNumber(std::uint32_t name, std::string_view value);
  std::uint32_t SequenceNumber(std::size_t count);
  void WriteColumns(std::size_t pass, std::size_t count);

  PassReadings& readings_;
  std::size_t count_;
  std::vector<ReadLine> lines_;  // the pass before's in the first lineCount_
  std::size_t lineCount_ = 0;
  std::uint32_t previousSequence_ = kNoNumber;
  // The pass before's text, its lines through the last one's ';' in its first previousEnd_
  // bytes; from its line unchangedFrom_ on they were those of the pass before it.
  const char* previousText_ = nullptr;
  std::size_t previousEnd_ = 0;
  std::size_t unchangedFrom_ = 0;
  // The lines whose name has a column of value numbers, with that column, while the names and
  // the columns stay as they are.
  std::vector<std::pair<std::uint32_t*, std::uint32_t>> columnLines_;
  bool columnsKnown_ = false;
  std::vector<std::uint32_t> names_;
  std::map<std::vector<std::uint32_t>, std::uint32_t> knownSequences_;
};

inline std::uint32_t PassReader::ValueNumber(std::uint32_t name, std::string_view value) {
  const std::uint32_t number = readings_.values[name].NumberOf(value);
  // Until its second value, every pass that carried the name had value 0.
  if (number != 0 && readings_.valueColumns[name].empty()) [[unlikely]] {
    readings_.valueColumns[name].assign(count_, 0);
    columnsKnown_ = false;
  }
  return number;
}

std::uint32_t PassReader::Read(std::size_t pass, std::string_view text) {
  bool sameNames = previousSequence_ != kNoNumber;
  std::size_t count = 0;
  std::size_t unchangedFrom = 0;
  // Where line `count` of the pass before starts in its text, and whether to try whether the
  // rest of its lines follow from there: first where it stopped changing, then after every line
  // that changed from there on.
  std::size_t previousAt = 0;
  bool tryTail = false;
  const std::size_t size = text.size();
  std::size_t start = 0;
  // The kept lines, as parameters/ParameterLines keeps them.
  while (start < size) {
    if (count < lineCount_ && (count == unchangedFrom_ || tryTail)) {
      const std::size_t tail = TailFollowing(text, start, previousAt);
      if (tail != 0) {
        count = lineCount_;
        start += tail + 1;
        continue;
      }
    }
    if (count == lines_.size()) lines_.emplace_back();
    ReadLine& line = lines_[count];
    const char* const here = text.data() + start;
    const bool known = line.bytes != nullptr;
    previousAt += line.length + kLineBreakBytes;
    std::size_t at = 0;
    if (known && start + line.head <= size && SameBytes(here, line.bytes, line.head)) {
      at = KeptLineEnd(text, start + line.head);
      if (at == std::string_view::npos) break;
      // Numbered whether or not it changed, and kept without a branch: the values of an
      // optimized parameter change from pass to pass at random.
      const std::uint32_t value = ValueNumber(
          line.name,
          WithBlanks(text.substr(start + line.head, at - start - line.head), Blanks::kTrimmed));
      const bool changed = value != line.value || at - start != line.length;
      line.value = value;
      line.bytes = here;
      line.length = at - start;
      unchangedFrom = changed ? count + 1 : unchangedFrom;
      tryTail = changed && count >= unchangedFrom_;
    } else {
      at = KeptLineEnd(text, start);
      if (at == std::string_view::npos) break;
      const std::uint32_t nameBefore = line.name;
      if (!ReadNew(text.substr(start, at - start), here, line)) {
        // Lines before this one now hold this pass's bytes: no longer those of the pass before.
        lineCount_ = 0;
        return kNoNumber;
      }
      sameNames = sameNames && known && nameBefore == line.name;
      unchangedFrom = count + 1;
      tryTail = count >= unchangedFrom_;
    }
    ++count;
    start = at + kLineBreakBytes;
  }
  if (count == 0) {
    lineCount_ = 0;
    return kNoNumber;
  }
  unchangedFrom_ = unchangedFrom;
  previousText_ = text.data();
  previousEnd_ = start - 1;
  if (!sameNames || count != lineCount_) {
    previousSequence_ = SequenceNumber(count);
    columnsKnown_ = false;
  }
  lineCount_ = count;
  WriteColumns(pass, count);
  return previousSequence_;
}

std::size_t PassReader::TailFollowing(std::string_view text, std::size_t start,
                                      std::size_t previousAt) const {
  const std::size_t length = previousEnd_ - previousAt;
  const bool follows = start + length + 1 < text.size() &&
                       std::memcmp(text.data() + start, previousText_ + previousAt, length) == 0;
  return follows ? length : 0;
}

void PassReader::WriteColumns(std::size_t pass, std::size_t count) {
  if (!columnsKnown_) {
    columnLines_.clear();
    for (std::uint32_t i = 0; i < count; ++i) {
      std::vector<std::uint32_t>& column = readings_.valueColumns[lines_[i].name];
      if (!column.empty()) columnLines_.emplace_back(column.data(), i);
    }
    columnsKnown_ = true;
  }
  for (const auto& [column, line] : columnLines_) column[pass] = lines_[line].value;
}

bool PassReader::ReadNew(std::string_view line, const char* bytes, ReadLine& read) {
  // Split as it stands, for where the value starts; the map trims names and values.
  const ParameterPair pair = SplitParameterPair(line, Blanks::kKept);
  if (!pair.value) return false;
  const std::string_view name = WithBlanks(pair.name, Blanks::kTrimmed);
  if (name.empty()) return false;
  read.bytes = bytes;
  read.length = line.size();
  read.head = pair.name.size() + 1;
  read.name = readings_.names.NumberOf(name);
  if (read.name == readings_.values.size()) {
    readings_.values.emplace_back();
    readings_.valueColumns.emplace_back();
  }
  read.value = ValueNumber(read.name, WithBlanks(*pair.value, Blanks::kTrimmed));
  return true;
}

std::uint32_t PassReader::SequenceNumber(std::size_t count) {
  names_.clear();
  for (std::size_t i = 0; i < count; ++i) names_.push_back(lines_[i].name);
  if (previousSequence_ != kNoNumber && readings_.sequences[previousSequence_].names == names_) {
    return previousSequence_;
  }
  const auto [it, added] =
      knownSequences_.try_emplace(names_, static_cast<std::uint32_t>(readings_.sequences.size()));
  if (added) {
    NameSequence sequence;
    sequence.names = names_;
    std::vector<std::uint32_t> sorted = names_;
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) {
      // The first name, in the pass's own order, that has a twin.
      sequence.repeated = *std::find_if(names_.begin(), names_.end(), [&](std::uint32_t n) {
        return std::count(names_.begin(), names_.end(), n) > 1;
      });
    }
    readings_.sequences.push_back(std::move(sequence));
  }
  return it->second;
}

}  // namespace

PassReadings ReadPasses(const PassTable& table, std::size_t count) {
  PassReadings readings;
  readings.sequenceOfPass.resize(count, kNoNumber);
  PassReader reader(readings, count);
  for (std::size_t p = 0; p < count; ++p) {
    const std::uint32_t sequence = reader.Read(p, table[p].Params);
    if (sequence == kNoNumber) continue;
    readings.sequenceOfPass[p] = sequence;
    ++readings.sequences[sequence].passes;
  }
  return readings;
}

}  // namespace kvl::core
