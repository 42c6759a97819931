#include "parametermap/PassReadings.h"

#include <algorithm>
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

// Reads pass after pass. Passes nearly always carry the names of the pass before them, in the
// same order, and most of its values, so each line is first compared with the line in its place
// in the previous pass: the same line needs no reading, and the same name needs only its value
// read.
class PassReader {
 public:
  explicit PassReader(PassReadings& readings) : readings_(readings) {}

  // The pass's sequence number; kNoNumber when its text does not split into pairs. The pass's
  // value numbers are appended to readings.valueNumbers.
  std::uint32_t Read(std::string_view text);

 private:
  // Reads the line [start, at) afresh; false when it is not a pair.
  bool ReadNew(std::string_view line, ReadLine& read);
  std::uint32_t SequenceNumber();

  PassReadings& readings_;
  std::string_view previousText_;
  std::vector<ReadLine> previous_;
  std::uint32_t previousSequence_ = kNoNumber;
  std::vector<ReadLine> lines_;
  std::vector<std::uint32_t> names_;
  std::map<std::vector<std::uint32_t>, std::uint32_t> knownSequences_;
};

std::uint32_t PassReader::Read(std::string_view text) {
  lines_.clear();
  bool sameNames = previousSequence_ != kNoNumber;
  const std::size_t size = text.size();
  // Every ';' and the byte after it end a line. The last line, the rest of the report cell, is
  // dropped; when the text ends in its last break (one of those two bytes is its last), the line
  // before that break is dropped instead.
  for (std::size_t start = 0; start < size;) {
    const std::size_t i = lines_.size();
    const ReadLine* before = i < previous_.size() ? &previous_[i] : nullptr;
    const char* const here = text.data() + start;
    const char* const there = before ? previousText_.data() + before->offset : nullptr;
    ReadLine line;
    line.offset = start;
    std::size_t at = 0;
    if (before && start + before->length < size && here[before->length] == ';' &&
        SameBytes(here, there, before->length)) {
      at = start + before->length;
      if (at + 2 >= size) break;
      line = *before;
      line.offset = start;
    } else if (before && start + before->head <= size && SameBytes(here, there, before->head)) {
      at = start + before->head;
      while (at < size && text[at] != ';') ++at;
      if (at + 2 >= size) break;
      line.length = at - start;
      line.head = before->head;
      line.name = before->name;
      line.value = readings_.values[line.name].NumberOf(
          TrimBlanks(text.substr(start + line.head, line.length - line.head)));
    } else {
      const auto* separator = static_cast<const char*>(std::memchr(here, ';', size - start));
      if (separator == nullptr) break;
      at = static_cast<std::size_t>(separator - text.data());
      if (at + 2 >= size) break;
      if (!ReadNew(text.substr(start, at - start), line)) return kNoNumber;
      line.offset = start;
      sameNames = sameNames && before && before->name == line.name;
    }
    lines_.push_back(line);
    start = at + 2;
  }
  if (lines_.empty()) return kNoNumber;
  if (sameNames && lines_.size() == previous_.size()) {
    for (const ReadLine& line : lines_) readings_.valueNumbers.push_back(line.value);
  } else {
    names_.clear();
    for (const ReadLine& line : lines_) {
      names_.push_back(line.name);
      readings_.valueNumbers.push_back(line.value);
    }
    previousSequence_ = SequenceNumber();
  }
  previous_.swap(lines_);
  previousText_ = text;
  return previousSequence_;
}

bool PassReader::ReadNew(std::string_view line, ReadLine& read) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  const std::string_view name = TrimBlanks(line.substr(0, equals));
  if (name.empty()) return false;
  read.length = line.size();
  read.head = equals + 1;
  read.name = readings_.names.NumberOf(name);
  if (read.name == readings_.values.size()) readings_.values.emplace_back();
  read.value = readings_.values[read.name].NumberOf(TrimBlanks(line.substr(read.head)));
  return true;
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
  readings.firstValueOfPass.resize(count + 1, 0);
  PassReader reader(readings);
  for (std::size_t p = 0; p < count; ++p) {
    const auto first = static_cast<std::uint32_t>(readings.valueNumbers.size());
    readings.firstValueOfPass[p] = first;
    const std::uint32_t sequence = reader.Read(table[p].Params);
    if (sequence == kNoNumber) continue;
    if (p == 0) readings.valueNumbers.reserve(count * (readings.valueNumbers.size() - first));
    readings.sequenceOfPass[p] = sequence;
    ++readings.sequences[sequence].passes;
  }
  readings.firstValueOfPass[count] = static_cast<std::uint32_t>(readings.valueNumbers.size());
  return readings;
}
