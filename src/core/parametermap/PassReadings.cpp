#include "parametermap/PassReadings.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <map>
#include <string_view>
#include <utility>

#include "parametermap/PassParameters.h"

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

// The first ';' from `from` on, or npos. Values are mostly short, so the first eight bytes are
// searched as one word, which spares a call and a mispredicted loop end.
[[gnu::always_inline]] inline std::size_t SeparatorFrom(std::string_view text, std::size_t from) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
  if constexpr (std::endian::native == std::endian::little) {
    if (from + sizeof(std::uint64_t) <= text.size()) {
      std::uint64_t word = 0;
      std::memcpy(&word, text.data() + from, sizeof word);
      const std::uint64_t bytes = word ^ (kOnes * ';');
      const std::uint64_t zeros = (bytes - kOnes) & ~bytes & kHighs;  // lowest is the first ';'
      if (zeros != 0) return from + static_cast<std::size_t>(std::countr_zero(zeros)) / 8;
      from += sizeof(std::uint64_t);
    }
  }
  if (from >= text.size()) return std::string_view::npos;
  const auto* separator =
      static_cast<const char*>(std::memchr(text.data() + from, ';', text.size() - from));
  return separator == nullptr ? std::string_view::npos
                              : static_cast<std::size_t>(separator - text.data());
}

std::string_view Trimmed(std::string_view text) {
  const bool blankEnd = !text.empty() && (text.front() == ' ' || text.front() == '\t' ||
                                          text.back() == ' ' || text.back() == '\t');
  return blankEnd ? TrimBlanks(text) : text;
}

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
  // Every ';' and the byte after it end a line. The last line, the rest of the report cell, is
  // dropped; when the text ends in its last break (one of those two bytes is its last), the line
  // before that break is dropped instead.
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
    previousAt += line.length + 2;
    std::size_t at = 0;
    if (known && start + line.head <= size && SameBytes(here, line.bytes, line.head)) {
      at = SeparatorFrom(text, start + line.head);
      if (at == std::string_view::npos || at + 2 >= size) break;
      // Numbered whether or not it changed, and kept without a branch: the values of an
      // optimized parameter change from pass to pass at random.
      const std::uint32_t value =
          ValueNumber(line.name, Trimmed(text.substr(start + line.head, at - start - line.head)));
      const bool changed = value != line.value || at - start != line.length;
      line.value = value;
      line.bytes = here;
      line.length = at - start;
      unchangedFrom = changed ? count + 1 : unchangedFrom;
      tryTail = changed && count >= unchangedFrom_;
    } else {
      at = SeparatorFrom(text, start);
      if (at == std::string_view::npos || at + 2 >= size) break;
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
    start = at + 2;
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
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  const std::string_view name = TrimBlanks(line.substr(0, equals));
  if (name.empty()) return false;
  read.bytes = bytes;
  read.length = line.size();
  read.head = equals + 1;
  read.name = readings_.names.NumberOf(name);
  if (read.name == readings_.values.size()) {
    readings_.values.emplace_back();
    readings_.valueColumns.emplace_back();
  }
  read.value = ValueNumber(read.name, TrimBlanks(line.substr(read.head)));
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
