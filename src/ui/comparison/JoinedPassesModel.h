#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace kvl::ui {

struct JoinedReports;

// The joined passes as a table: the base pass, each report's profit, drawdown % and trades, the
// worst profit and the efficiency of each report after the base. Texts are the reports' own, made
// when the view asks for them. Sorted by a column's numbers, its empty and unreadable cells last in
// either direction; of equal numbers the lower base pass comes first.
class JoinedPassesModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  JoinedPassesModel(const JoinedReports& joined, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  void sort(int column, Qt::SortOrder order) override;

  // The base pass that `row` shows.
  std::uint32_t BasePassAt(int row) const;
  // The row that shows base pass `pass`, if it is joined.
  std::optional<int> RowOf(std::uint32_t pass) const;

 private:
  // The text of a column after the first, in the ANSI code page.
  std::string_view Cell(std::size_t joinRow, int column) const;

  const JoinedReports& joined_;
  QStringList captions_;
  int reports_;
  // The join's row shown in each row, and the row of each join row.
  std::vector<std::uint32_t> joinRows_;
  std::vector<std::uint32_t> shownAt_;
  // The order the rows stand in: by base pass, smallest first, until a sort.
  int sortedColumn_ = 0;
  Qt::SortOrder sortedOrder_ = Qt::AscendingOrder;
};

}  // namespace kvl::ui
