#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include <core/parametermap/ParameterSpace.h>

#include "HugeVector.h"
#include "InputKeys.h"

namespace kvl::core {

// The passes of one report's parameter space by their inputs, in an open-addressing table of pass
// numbers: a pass's inputs are read again from its coordinates when it is compared, so the table
// holds nothing but the passes. Of passes with the same inputs the lowest stands for them all.
class PassesByInputs {
 public:
  // `space` and `fields` must outlive the table.
  PassesByInputs(const ParameterSpace& space, const InputFields& fields);

  // The standing pass whose inputs are those of `coordinates` read through `fields`, the same
  // inputs in the same order; 0 where there is none.
  std::uint32_t Find(const InputFields& fields, std::span<const std::uint32_t> coordinates) const;
  // Whether `pass` of the space stands for its inputs.
  bool Stands(std::uint32_t pass) const noexcept { return pass < stands_.size() && stands_[pass]; }
  // The passes of the space whose inputs a lower pass already has.
  std::size_t Repeated() const noexcept { return repeated_; }

 private:
  const ParameterSpace& space_;
  const InputFields& fields_;
  HugeVector<std::uint32_t> slots_;  // pass numbers; 0 is a free slot
  std::vector<bool> stands_;         // by pass number
  std::size_t mask_ = 0;
  std::size_t repeated_ = 0;
};

}  // namespace kvl::core
