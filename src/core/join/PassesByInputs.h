#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include <core/parametermap/ParameterSpace.h>

#include "HugeVector.h"
#include "InputKeys.h"

namespace kvl::core {

// The passes of one report's parameter space by their inputs, found by each pass's key
// (KeyOfInputs). Where the fields are numbered the key tells the inputs: a lookup ends in the
// table, and where the numbers are few, as in the grid of a full optimization, the table is an
// array of a pass per number. Else the table is open-addressing, and a pass whose key matches is
// compared input by input, read again from its coordinates. Of passes with the same inputs the
// lowest stands for them all.
class PassesByInputs {
 public:
  // `space` and `fields` must outlive the table. `numbers`: what NumberInputs gave the fields.
  PassesByInputs(const ParameterSpace& space, const InputFields& fields,
                 std::optional<std::uint64_t> numbers);

  // The key of `coordinates` read through `fields`, the same inputs in the same order.
  std::uint64_t KeyOf(const InputFields& fields,
                      std::span<const std::uint32_t> coordinates) const noexcept {
    return KeyOfInputs(fields, numbered_, coordinates);
  }
  // Asks early for where Find() will look for `key`: the table is larger than the caches, and
  // its places are random.
  [[gnu::always_inline]] void Prefetch(std::uint64_t key) const noexcept {
    if (direct_) {
      __builtin_prefetch(&passOfKey_[key]);
    } else {
      __builtin_prefetch(&slots_[PlaceOf(key)]);
    }
  }
  // The standing pass with those inputs; 0 where there is none.
  std::uint32_t Find(std::uint64_t key, const InputFields& fields,
                     std::span<const std::uint32_t> coordinates) const;
  // Whether `pass` of the space stands for its inputs.
  bool Stands(std::uint32_t pass) const noexcept { return pass < stands_.size() && stands_[pass]; }
  // The passes of the space whose inputs a lower pass already has.
  std::size_t Repeated() const noexcept { return repeated_; }

  // How far ahead of a lookup to ask for its place.
  static constexpr std::uint32_t kAhead = 8;

 private:
  struct Slot {
    std::uint64_t key = 0;
    std::uint32_t pass = 0;  // 0: a free slot
  };

  std::size_t PlaceOf(std::uint64_t key) const noexcept {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15u) >> shift_);
  }
  // Where the pass of `key` and those inputs is, or the free slot where it would go.
  std::size_t SlotOf(std::uint64_t key, const InputFields& fields,
                     std::span<const std::uint32_t> coordinates) const;

  const ParameterSpace& space_;
  const InputFields& fields_;
  bool numbered_ = false;
  bool direct_ = false;
  HugeVector<std::uint32_t> passOfKey_;  // where direct_; 0 for none
  HugeVector<Slot> slots_;               // where not
  std::vector<bool> stands_;             // by pass number
  std::size_t mask_ = 0;
  int shift_ = 0;
  std::size_t repeated_ = 0;
};

}  // namespace kvl::core
