#include "ChosenPasses.h"

#include <cli/reports/ReportPasses.h>

#include "InputKeys.h"

namespace kvl::cli {

ChosenPasses::ChosenPasses(const std::string& path, const AddedColumns& added,
                           PassSelection selection, std::ostream& err)
    : count_(LoadReportPasses(path, table_)), listInputs_(added.inputs) {
  // The figures are read by pass, before the sorts list the passes in their order.
  if (added.robust) {
    robust_ = std::make_unique<RobustColumns>(table_, count_, *added.robust);
    selection.figureColumns = robust_->Sortable();
  }
  inputs_ = listInputs_ ? InputColumns::Every(table_, count_)
                        : InputColumns::Named(table_, count_, InputKeyNames(selection));
  const std::vector<FigureColumn> inputKeys = InputKeyColumns(table_, count_, inputs_, selection);
  selection.figureColumns.insert(selection.figureColumns.end(), inputKeys.begin(), inputKeys.end());
  rows_ = SelectRows(table_, count_, selection);
  ReportLeftOut(selection, rows_, err);
}

std::vector<ListedColumn> ChosenPasses::Added() const {
  std::vector<ListedColumn> columns;
  if (robust_) columns = robust_->Listed();
  if (listInputs_) {
    const std::vector<ListedColumn> inputs = inputs_.Listed();
    columns.insert(columns.end(), inputs.begin(), inputs.end());
  }
  return columns;
}

}  // namespace kvl::cli
