#include "parametermap/PassReadings.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <map>
#include <string_view>

#include "parametermap/PassParameters.h"

namespace {

// Inline, for the short lines of parameter texts, where a call to memcmp costs more than the
// comparison.
bool SameBytes(const char* a, const char* b, std::size_t count) {
  constexpr std::size_t kWord = sizeof(std::uint64_t);
  const auto word = [](const char* bytes) {
    std::uint64_t value = 0;
    std::memcpy(&value, bytes, kWord);
    return value;
  };
  if (count < kWord) {
    for (std::size_t i = 0; i < count; ++i) {
      if (a[i] != b[i]) return false;
    }
    return true;
  }
  for (std::size_t i = 0; i + kWord < count; i += kWord) {
    if (word(a + i) != word(b + i)) return false;
  }
  return word(a + count - kWord) == word(b + count - kWord);
}

// One kept line of a pass: its place in the text and what it reads as.
struct ReadLine {
  std::size_t offset = 0;
  std::size_t length = 0;  // without its ';'
  std::size_t head = 0;    // the bytes through the first '='
  std::uint32_t name = 0;
  std::uint32_t value = 0;
};

// The first ';' from `from` on, or npos. Values are mostly short, so the first eight bytes are
// searched as one word, which spares a call and a mispredicted loop end.
std::size_t SeparatorFrom(std::string_view text, std::size_t from) {
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
// before needs only its value read, and a value like the one there no lookup. The lines from
// where the pass before stopped changing are first compared all at once.
class PassReader {
 public:
  PassReader(PassReadings& readings, std::size_t count) : readings_(readings), count_(count) {}

  // The sequence number of pass slot `pass`; kNoNumber when its text does not split into pairs.
  // The pass's value numbers go into the value columns.
  std::uint32_t Read(std::size_t pass, std::string_view text);

 private:
  // Takes the previous pass's lines from `lines_.size()` on when the text goes on with just
  // them, all kept, and moves `start` past them.
  bool TakeUnchanged(std::string_view text, std::size_t& start);
  // Reads the line [start, at) afresh; false when it is not a pair.
  bool ReadNew(std::string_view line, ReadLine& read);
  std::uint32_t ValueNumber(std::uint32_t name, std::string_view value);
  std::uint32_t SequenceNumber();

  PassReadings& readings_;
  std::size_t count_;
  std::string_view previousText_;
  std::vector<ReadLine> previous_;
  std::uint32_t previousSequence_ = kNoNumber;
  std::size_t unchangedFrom_ = 0;  // the lines from here on were those of the pass before
  std::vector<ReadLine> lines_;
  std::vector<std::uint32_t> names_;
  std::map<std::vector<std::uint32_t>, std::uint32_t> knownSequences_;
};

std::uint32_t PassReader::Read(std::size_t pass, std::string_view text) {
  lines_.clear();
  bool sameNames = previousSequence_ != kNoNumber;
  std::size_t unchangedFrom = 0;
  const std::size_t size = text.size();
  // Every ';' and the byte after it end a line. The last line, the rest of the report cell, is
  // dropped; when the text ends in its last break (one of those two bytes is its last), the line
  // before that break is dropped instead.
  for (std::size_t start = 0; start < size;) {
    const std::size_t i = lines_.size();
    if (i == unchangedFrom_ && i < previous_.size() && TakeUnchanged(text, start)) continue;
    const ReadLine* before = i < previous_.size() ? &previous_[i] : nullptr;
    const char* const here = text.data() + start;
    // Kept apart rather than in a ReadLine, whose copy would read back its fields' stores.
    std::size_t at = 0;
    std::size_t head = 0;
    std::uint32_t name = 0;
    std::uint32_t value = 0;
    if (before && start + before->head <= size &&
        SameBytes(here, previousText_.data() + before->offset, before->head)) {
      head = before->head;
      at = SeparatorFrom(text, start + head);
      if (at == std::string_view::npos || at + 2 >= size) break;
      name = before->name;
      const std::size_t valueLength = at - start - head;
      if (at - start == before->length &&
          SameBytes(here + head, previousText_.data() + before->offset + head, valueLength)) {
        value = before->value;
      } else {
        value = ValueNumber(name, Trimmed(text.substr(start + head, valueLength)));
        unchangedFrom = i + 1;
      }
    } else {
      at = SeparatorFrom(text, start);
      if (at == std::string_view::npos || at + 2 >= size) break;
      ReadLine read;
      if (!ReadNew(text.substr(start, at - start), read)) return kNoNumber;
      head = read.head;
      name = read.name;
      value = read.value;
      sameNames = sameNames && before && before->name == name;
      unchangedFrom = i + 1;
    }
    ReadLine& line = lines_.emplace_back();
    line.offset = start;
    line.length = at - start;
    line.head = head;
    line.name = name;
    line.value = value;
    start = at + 2;
  }
  if (lines_.empty()) return kNoNumber;
  unchangedFrom_ = unchangedFrom;
  for (const ReadLine& line : lines_) {
    std::vector<std::uint32_t>& column = readings_.valueColumns[line.name];
    if (!column.empty()) column[pass] = line.value;
  }
  if (!sameNames || lines_.size() != previous_.size()) {
    names_.clear();
    for (const ReadLine& line : lines_) names_.push_back(line.name);
    previousSequence_ = SequenceNumber();
  }
  previous_.swap(lines_);
  previousText_ = text;
  return previousSequence_;
}

bool PassReader::TakeUnchanged(std::string_view text, std::size_t& start) {
  const ReadLine& first = previous_[lines_.size()];
  const ReadLine& last = previous_.back();
  const std::size_t length = last.offset + last.length + 1 - first.offset;  // through its ';'
  // The last of them is kept only when more than one byte follows its ';'.
  if (start + length + 1 >= text.size() ||
      !SameBytes(text.data() + start, previousText_.data() + first.offset, length)) {
    return false;
  }
  for (std::size_t i = lines_.size(); i < previous_.size(); ++i) {
    ReadLine& line = lines_.emplace_back(previous_[i]);
    line.offset = line.offset - first.offset + start;
  }
  start += length + 1;
  return true;
}

bool PassReader::ReadNew(std::string_view line, ReadLine& read) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  const std::string_view name = TrimBlanks(line.substr(0, equals));
  if (name.empty()) return false;
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

std::uint32_t PassReader::ValueNumber(std::uint32_t name, std::string_view value) {
  const std::uint32_t number = readings_.values[name].NumberOf(value);
  // Until its second value, every pass that carried the name had value 0.
  if (number != 0 && readings_.valueColumns[name].empty()) {
    readings_.valueColumns[name].assign(count_, 0);
  }
  return number;
}

std::uint32_t PassReader::SequenceNumber() {
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
