#include "PassesByInputs.h"

#include <bit>

namespace kvl::core {

PassesByInputs::PassesByInputs(const ParameterSpace& space, const InputFields& fields,
                               std::optional<std::uint64_t> numbers)
    : space_(space), fields_(fields), numbered_(numbers.has_value()) {
  // At most two thirds full, so that a probe mostly ends at its first or second slot.
  const std::size_t size = std::bit_ceil(space.PassCount() * 3 / 2 + 2);
  // An array of a pass per number takes no more than the slots would.
  direct_ = numbers && *numbers <= size * sizeof(Slot) / sizeof(std::uint32_t);
  if (direct_) {
    passOfKey_ = HugeVectorFor<std::uint32_t>(*numbers);
    passOfKey_.resize(*numbers, 0);
  } else {
    slots_ = HugeVectorFor<Slot>(size);
    slots_.resize(size);
    mask_ = size - 1;
    shift_ = 64 - std::countr_zero(size);
  }
  stands_.assign(space.PassCount() + 1, false);
  const auto passes = static_cast<std::uint32_t>(space.PassCount());
  for (std::uint32_t pass = 1; pass <= passes; ++pass) {
    if (pass + kAhead <= passes && space.InMap(pass + kAhead)) {
      Prefetch(KeyOf(fields, space.Coordinates(pass + kAhead)));
    }
    if (!space.InMap(pass)) continue;
    const std::span<const std::uint32_t> coordinates = space.Coordinates(pass);
    const std::uint64_t key = KeyOf(fields, coordinates);
    bool first = false;
    if (direct_) {
      std::uint32_t& standing = passOfKey_[key];
      first = standing == 0;
      if (first) standing = pass;
    } else {
      Slot& slot = slots_[SlotOf(key, fields, coordinates)];
      first = slot.pass == 0;
      if (first) slot = {key, pass};
    }
    if (first) {
      stands_[pass] = true;
    } else {
      ++repeated_;
    }
  }
}

std::size_t PassesByInputs::SlotOf(std::uint64_t key, const InputFields& fields,
                                   std::span<const std::uint32_t> coordinates) const {
  std::size_t at = PlaceOf(key);
  for (; slots_[at].pass != 0; at = (at + 1) & mask_) {
    const Slot& slot = slots_[at];
    if (slot.key == key &&
        (numbered_ || SameInputs(fields_, space_.Coordinates(slot.pass), fields, coordinates))) {
      break;
    }
  }
  return at;
}

std::uint32_t PassesByInputs::Find(std::uint64_t key, const InputFields& fields,
                                   std::span<const std::uint32_t> coordinates) const {
  if (direct_) return passOfKey_[key];
  return slots_[SlotOf(key, fields, coordinates)].pass;
}

}  // namespace kvl::core
