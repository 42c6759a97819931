#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include <core/PassTable.h>

namespace kvl::core {

// The parameters of a report's passes as a grid: which parameters the optimization varied, the
// ordered values of each, and where every pass stands. Built from the Params texts of the passes
// in their slots, so it stays right whatever order a sort lists the rows in. Every text is a view
// into the table's report text and lives as long as the table holds that load.

// A parameter of the map. A constant has exactly one value.
struct MapParameter {
  std::string_view name;
  // Ordered numerically (by CellToFloat) when every value converts; otherwise in the order in
  // which the values first appear. Texts of equal value (1.5 and 1.50) stay apart, in the order
  // of first appearance.
  std::vector<std::string_view> values;
  bool numeric = false;
};

enum class LeftOutReason {
  kNotPairs,      // the text does not split into name=value pairs
  kRepeatedName,  // one name stands twice in the text; `name` is it
  kMissingName,   // lacks a name the map's passes carry; `name` is the first one missing
  kExtraName,     // carries a name the map's passes lack; `name` is the first such one
};

struct LeftOutPass {
  std::size_t pass;  // the pass number, from 1
  LeftOutReason reason;
  std::string_view name;  // empty for kNotPairs
};

class ParameterSpace {
 public:
  // Reads the Params texts of passes 1 to `count` (slots 0 to count-1). The map's passes are
  // those that carry the set of names most passes carry (on a tie, the set that appears first);
  // the others are left out. Names keep the order of the first pass of the map.
  static ParameterSpace Read(const PassTable& table, std::size_t count);

  // The parameters with more than one value, in the order of their names; then the constants.
  const std::vector<MapParameter>& Optimized() const noexcept { return optimized_; }
  const std::vector<MapParameter>& Constants() const noexcept { return constants_; }
  // In pass order.
  const std::vector<LeftOutPass>& LeftOut() const noexcept { return leftOut_; }

  // The number of passes read, those left out included.
  std::size_t PassCount() const noexcept { return passCount_; }
  bool InMap(std::size_t pass) const noexcept;
  // The pass's value index in each optimized parameter, in the order of Optimized(); empty for
  // a pass left out or out of range.
  std::span<const std::uint32_t> Coordinates(std::size_t pass) const noexcept;

  // The position in Optimized() of the parameter called `name`.
  std::optional<std::size_t> OptimizedNamed(std::string_view name) const noexcept;
  const MapParameter* ConstantNamed(std::string_view name) const noexcept;

 private:
  std::vector<MapParameter> optimized_;
  std::vector<MapParameter> constants_;
  std::vector<LeftOutPass> leftOut_;
  std::size_t passCount_ = 0;
  // Optimized().size() entries per pass, for passes 1 to passCount_ in order.
  std::vector<std::uint32_t> coordinates_;
  std::vector<bool> inMap_;
};

}  // namespace kvl::core
