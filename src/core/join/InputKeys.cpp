#include "InputKeys.h"

#include <cmath>
#include <optional>

#include <core/CellConvert.h>
#include <core/Exceptions.h>

namespace kvl::core {

namespace {

std::optional<long double> NumberOf(std::string_view text) {
  try {
    const long double number = CellToFloat(text);
    if (!std::isnan(number)) return number;
  } catch (const EConvertError&) {
  }
  return std::nullopt;
}

}  // namespace

std::vector<std::uint32_t> InputValueNumbers::Number(const MapParameter& parameter) {
  std::vector<std::uint32_t> numbers;
  numbers.reserve(parameter.values.size());
  for (const std::string_view value : parameter.values) {
    const auto next = static_cast<std::uint32_t>(numbers_.size() + texts_.size());
    const std::optional<long double> number = NumberOf(value);
    numbers.push_back(number ? numbers_.try_emplace(*number, next).first->second
                             : texts_.try_emplace(value, next).first->second);
  }
  return numbers;
}

InputField FieldOf(const ParameterSpace& space, std::string_view name, InputValueNumbers& numbers) {
  InputField field;
  if (const std::optional<std::size_t> dimension = space.OptimizedNamed(name)) {
    field.dimension = *dimension;
    field.numberOfValue = numbers.Number(space.Optimized()[*dimension]);
  } else {
    field.numberOfValue = numbers.Number(*space.ConstantNamed(name));
  }
  return field;
}

std::uint64_t HashOfInputs(const InputFields& fields, std::span<const std::uint32_t> coordinates) {
  std::uint64_t hash = 0x9E3779B97F4A7C15u;
  for (const InputField& field : fields) {
    hash = (hash ^ field.Of(coordinates)) * 0xBF58476D1CE4E5B9u;
    hash ^= hash >> 31;
  }
  return hash;
}

bool SameInputs(const InputFields& fields, std::span<const std::uint32_t> coordinates,
                const InputFields& otherFields, std::span<const std::uint32_t> otherCoordinates) {
  for (std::size_t f = 0; f < fields.size(); ++f) {
    if (fields[f].Of(coordinates) != otherFields[f].Of(otherCoordinates)) return false;
  }
  return true;
}

}  // namespace kvl::core
