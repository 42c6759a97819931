#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

namespace kvl::core {

// Up to 8 bytes as one word that, with their count, tells any two such texts apart: the first
// and the last four, or the first, the middle and the last of fewer. Loads of fixed size, as a
// copy of a variable length would be stored byte by byte and then read back slowly.
inline std::uint64_t PackedBytes(const char* bytes, std::size_t count) noexcept {
  if (count >= 4) {
    std::uint32_t first = 0;
    std::uint32_t last = 0;
    std::memcpy(&first, bytes, sizeof first);
    std::memcpy(&last, bytes + count - sizeof last, sizeof last);
    return first | std::uint64_t{last} << 32;
  }
  if (count == 0) return 0;
  const auto byte = [bytes](std::size_t at) {
    return std::uint64_t{static_cast<unsigned char>(bytes[at])};
  };
  return byte(0) | byte(count / 2) << 8 | byte(count - 1) << 16;
}

// Texts numbered from 0 in the order they first come, found again through an open-addressing
// table. The texts are views and must outlive it. Parameter names and values are short and lie
// all over the report, so each slot keeps a text's first bytes: most lookups then end in the
// table without a visit to the report.
class TextNumbers {
 public:
  // Short texts are first looked for among those lately numbered, in a small direct-mapped memory
  // held by their bytes: the few values of a parameter nearly always stand there, and are then
  // found without hashing. Inline, as it is asked for every value of every pass.
  std::uint32_t NumberOf(std::string_view text) {
    if (text.size() > kShortest) return NumberOfAny(text);
    const std::uint64_t bytes = PackedBytes(text.data(), text.size());
    Recent& recent = recent_[RecentPlace(bytes, text.size())];
    if (recent.number != 0 && recent.bytes == bytes) {
      return recent.number - 1;
    }
    const std::uint32_t number = NumberOfAny(text);
    recent = {bytes, number + 1};
    return number;
  }
  std::string_view Text(std::uint32_t number) const { return texts_[number]; }
  std::size_t Size() const { return texts_.size(); }

 private:
  static constexpr std::size_t kShortest = 8;
  static constexpr std::size_t kRecentBits = 5;

  // Texts of one length and the same packed bytes are the same, and the place tells the length.
  struct Recent {
    std::uint64_t bytes = 0;
    std::uint32_t number = 0;  // number + 1; 0 for an empty place
  };

  static std::size_t RecentPlace(std::uint64_t bytes, std::size_t length) noexcept {
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ULL;
    return ((bytes * kMultiplier) >> (64 - kRecentBits)) ^ (length & ((1 << kRecentBits) - 1));
  }

  std::uint32_t NumberOfAny(std::string_view text);

  struct Slot {
    std::uint64_t head = 0;  // the first 8 bytes, packed
    std::uint32_t hash = 0;
    std::uint32_t number = 0;  // number + 1; 0 for a free slot
  };

  void Grow();

  std::vector<std::string_view> texts_;
  std::vector<Slot> slots_;
  std::array<Recent, std::size_t{1} << kRecentBits> recent_{};
};

}  // namespace kvl::core
