#include "PassesByInputs.h"

#include <bit>

namespace kvl::core {

PassesByInputs::PassesByInputs(const ParameterSpace& space, const InputFields& fields)
    : space_(space), fields_(fields) {
  // At most two thirds full, so that a probe mostly ends at its first or second slot.
  const std::size_t size = std::bit_ceil(space.PassCount() * 3 / 2 + 2);
  slots_ = HugeVectorFor<std::uint32_t>(size);
  slots_.resize(size, 0);
  mask_ = size - 1;
  stands_.assign(space.PassCount() + 1, false);
  for (std::uint32_t pass = 1; pass <= space.PassCount(); ++pass) {
    if (!space.InMap(pass)) continue;
    const std::span<const std::uint32_t> coordinates = space.Coordinates(pass);
    std::size_t at = HashOfInputs(fields, coordinates) & mask_;
    while (slots_[at] != 0 &&
           !SameInputs(fields, space.Coordinates(slots_[at]), fields, coordinates)) {
      at = (at + 1) & mask_;
    }
    if (slots_[at] == 0) {
      slots_[at] = pass;
      stands_[pass] = true;
    } else {
      ++repeated_;
    }
  }
}

std::uint32_t PassesByInputs::Find(const InputFields& fields,
                                   std::span<const std::uint32_t> coordinates) const {
  for (std::size_t at = HashOfInputs(fields, coordinates) & mask_; slots_[at] != 0;
       at = (at + 1) & mask_) {
    if (SameInputs(fields_, space_.Coordinates(slots_[at]), fields, coordinates)) {
      return slots_[at];
    }
  }
  return 0;
}

}  // namespace kvl::core
