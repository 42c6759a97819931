#pragma once

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <cli/parametermap/RobustColumns.h>
#include <cli/rows/InputColumns.h>
#include <cli/rows/ListedColumns.h>
#include <core/PassTable.h>

#include "PassSelection.h"

namespace kvl::cli {

// The columns a command adds to a report's own for choosing and listing its passes.
struct AddedColumns {
  std::optional<std::string> robust;  // the result column whose neighbourhood figures --robust adds
  bool inputs = false;                // list every input (--inputs)
};

// A report's passes as a command chooses and orders them, with the columns it adds.
class ChosenPasses {
 public:
  // Loads the report at `path`, reads the neighbourhood figures of added.robust, and the inputs:
  // every one with added.inputs, else those that a sort or the order names. Then selects the rows
  // (SelectRows), and with skipBad says on `err` how many were left out. Fails as
  // LoadReportPasses, RobustColumns and SelectRows do, and raises Exception, naming the report's
  // parameters, for a sort or the order by an input that no pass carries.
  ChosenPasses(const std::string& path, const AddedColumns& added, PassSelection selection,
               std::ostream& err);
  ChosenPasses(const ChosenPasses&) = delete;
  ChosenPasses& operator=(const ChosenPasses&) = delete;

  const core::PassTable& Table() const noexcept { return table_; }
  std::span<const std::size_t> Slots() const noexcept { return rows_.slots; }
  // The neighbourhood figures, then the inputs when listed; their views last as long as this.
  std::vector<ListedColumn> Added() const;

 private:
  core::PassTable table_;
  std::size_t count_;
  std::unique_ptr<RobustColumns> robust_;
  bool listInputs_;
  InputColumns inputs_;
  SelectedRows rows_;
};

}  // namespace kvl::cli
