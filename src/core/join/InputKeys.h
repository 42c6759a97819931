#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <string_view>
#include <vector>

#include <core/parametermap/ParameterSpace.h>

namespace kvl::core {

// Numbers the values of one input over every report of a comparison, so that values the join
// takes for equal get one number: numbers by their value (1.5 and 1.50), other texts by their text.
class InputValueNumbers {
 public:
  // The numbers of a parameter's values, one per value index.
  std::vector<std::uint32_t> Number(const MapParameter& parameter);

 private:
  std::map<long double, std::uint32_t> numbers_;
  std::map<std::string_view, std::uint32_t> texts_;
};

// Where one input of a report's passes is read: its value number in every pass of the space.
struct InputField {
  std::vector<std::uint32_t> numberOfValue;  // per value index of the report's parameter
  std::size_t dimension = kConstantInput;    // in Coordinates(), or kConstantInput
  static constexpr std::size_t kConstantInput = static_cast<std::size_t>(-1);

  bool Constant() const noexcept { return dimension == kConstantInput; }
  std::uint32_t Of(std::span<const std::uint32_t> coordinates) const noexcept {
    return numberOfValue[dimension == kConstantInput ? 0 : coordinates[dimension]];
  }
};

// The inputs a report's passes are keyed by, in a fixed order: two passes, of one report or of
// two, have the same inputs when every field gives them the same number.
using InputFields = std::vector<InputField>;

// The field of the input called `name` in `space`, numbered by `numbers`; the space must have it.
InputField FieldOf(const ParameterSpace& space, std::string_view name, InputValueNumbers& numbers);

std::uint64_t HashOfInputs(const InputFields& fields, std::span<const std::uint32_t> coordinates);
bool SameInputs(const InputFields& fields, std::span<const std::uint32_t> coordinates,
                const InputFields& otherFields, std::span<const std::uint32_t> otherCoordinates);

}  // namespace kvl::core
