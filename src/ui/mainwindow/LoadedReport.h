#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include <core/PassTable.h>
#include <core/sort/RowOrder.h>

namespace kvl::ui {

// The report the main window shows: its passes as loaded, the order its rows stand in, the
// direction of each column's next sort, and the pass chosen in it. The main window owns it and
// hands it to the windows that show the same report.
class LoadedReport : public QObject {
  Q_OBJECT

 public:
  explicit LoadedReport(QObject* parent = nullptr);

  // Loads the report at `path`, its rows in file order, and returns how many passes it holds.
  // A file without passes changes nothing and returns 0; one that cannot be read raises.
  int Load(const QString& path);
  // A click on the header of column `columnId`: sorts the rows in the column's next direction. A
  // cell that does not convert raises; the rows keep the exchanges made before it, and the
  // column's direction stays for the next click.
  void SortColumn(int columnId);

  const core::PassTable& Passes() const { return passes_; }
  // The file the passes were loaded from; empty before the first load.
  const QString& Path() const { return path_; }
  const core::RowOrder& Rows() const { return rows_; }
  int Count() const { return static_cast<int>(rows_.Count()); }
  // The pass shown in `row`, from 0 to Count()-1.
  core::PassNumber PassAt(int row) const;
  // The row that shows `pass`; none for a pass the report does not hold.
  std::optional<int> RowOf(core::PassNumber pass) const;
  // Whether the last completed sort of column `columnId` put the largest value first.
  bool SortedLargestFirst(int columnId) const;

  // Set once a row has been chosen, in this report or an earlier one: from then on the export is
  // open. Never cleared.
  bool RowChosen() const { return rowChosen_; }
  void MarkRowChosen() { rowChosen_ = true; }
  // The pass last chosen in this report; none after a load.
  std::optional<core::PassNumber> ChosenPass() const { return chosenPass_; }
  void ChoosePass(core::PassNumber pass);

 signals:
  // A new report's passes are in, in file order.
  void loaded();
  // The rows stand in another order; also after a sort that a cell stopped.
  void reordered();
  // A pass was chosen in the list.
  void passChosen(core::PassNumber pass);

 private:
  core::PassTable passes_;
  QString path_;
  core::RowOrder rows_;
  core::SortFlags sortFlags_{};
  bool rowChosen_ = false;
  std::optional<core::PassNumber> chosenPass_;
};

}  // namespace kvl::ui
