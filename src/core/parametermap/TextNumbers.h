#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// Texts numbered from 0 in the order they first come, found again through an open-addressing
// table. The texts are views and must outlive it. Parameter names and values are short and lie
// all over the report, so each slot keeps a text's first bytes: most lookups then end in the
// table without a visit to the report.
class TextNumbers {
 public:
  std::uint32_t NumberOf(std::string_view text);
  std::string_view Text(std::uint32_t number) const { return texts_[number]; }
  std::size_t Size() const { return texts_.size(); }

 private:
  struct Slot {
    std::uint64_t head = 0;  // the first 8 bytes, packed
    std::uint32_t hash = 0;
    std::uint32_t number = 0;  // number + 1; 0 for a free slot
  };

  void Grow();

  std::vector<std::string_view> texts_;
  std::vector<Slot> slots_;
};
