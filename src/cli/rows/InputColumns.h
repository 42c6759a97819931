#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <core/PassTable.h>

#include "ListedColumns.h"

namespace kvl::cli {

// The inputs of a report's passes as columns: each pass's value of an input, read as params
// reads it (the first name=value line of that name, name and value trimmed of blanks), or empty
// where the pass lacks the input. Texts are views into the table's report text.
class InputColumns {
 public:
  InputColumns() = default;  // no input

  // Every input that passes 1 to count carry, in the order in which they first appear.
  static InputColumns Every(const core::PassTable& table, std::size_t count);
  // Only the inputs called `names` (ANSI), each once.
  static InputColumns Named(const core::PassTable& table, std::size_t count,
                            std::span<const std::string> names);

  // A column per input, named param:NAME and headed NAME; its views last as long as this object
  // is neither changed nor moved.
  std::vector<ListedColumn> Listed() const;

  // The values of the input called `name` (ANSI), of the pass numbered k at k-1; null when no
  // pass carries it.
  const std::vector<std::string_view>* ValuesOf(std::string_view name) const;

 private:
  struct Input {
    std::string name;  // ANSI
    std::vector<std::string_view> values;
    bool carried = false;
    std::string column;   // "param:NAME", UTF-8
    std::string caption;  // NAME, UTF-8
  };

  // Reads the values of the inputs held, and with addNew of every other input met.
  void Read(const core::PassTable& table, std::size_t count, bool addNew);
  std::size_t AddInput(std::string_view name, std::size_t count);

  std::vector<Input> inputs_;
};

}  // namespace kvl::cli
