#include "JoinedPassesModel.h"

#include <algorithm>
#include <numeric>

#include <ui/encoding/AnsiText.h>

#include "ComparisonTexts.h"
#include "JoinedReports.h"

namespace kvl::ui {

namespace {

constexpr int kBasePass = 0;
// Per report, from column 1 on: its profits, then its drawdowns %, then its trades.
constexpr int kFieldGroups = 3;
constexpr core::PassText core::PassRecord::*kGroupFields[kFieldGroups] = {
    &core::PassRecord::Profit, &core::PassRecord::DrawdownPercent, &core::PassRecord::Trades};

}  // namespace

JoinedPassesModel::JoinedPassesModel(const JoinedReports& joined, QObject* parent)
    : QAbstractTableModel(parent),
      joined_(joined),
      captions_(JoinedColumnCaptions(joined.labels)),
      reports_(static_cast<int>(joined.reports.size())),
      joinRows_(joined.join->RowCount()),
      shownAt_(joinRows_.size()) {
  std::iota(joinRows_.begin(), joinRows_.end(), 0U);
  std::iota(shownAt_.begin(), shownAt_.end(), 0U);
}

int JoinedPassesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(joinRows_.size());
}

int JoinedPassesModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(captions_.size());
}

std::string_view JoinedPassesModel::Cell(std::size_t joinRow, int column) const {
  const int worstColumn = 1 + kFieldGroups * reports_;
  if (column < worstColumn) {
    const int at = column - 1;
    return joined_.Field(joinRow, static_cast<std::size_t>(at % reports_),
                         kGroupFields[at / reports_]);
  }
  if (column == worstColumn) return joined_.figures->ProfitWorst(joinRow);
  return joined_.figures->Efficiency(joinRow, static_cast<std::size_t>(column - worstColumn));
}

QVariant JoinedPassesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole) return {};
  const std::size_t joinRow = joinRows_[static_cast<std::size_t>(index.row())];
  if (index.column() == kBasePass) return QString::number(joined_.join->BasePass(joinRow));
  return AnsiToQString(Cell(joinRow, index.column()));
}

QVariant JoinedPassesModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  if (role == Qt::DisplayRole) return captions_[section];
  // Figures are looked at best first; passes in their own order.
  if (role == Qt::InitialSortOrderRole) {
    return section == kBasePass ? Qt::AscendingOrder : Qt::DescendingOrder;
  }
  return {};
}

void JoinedPassesModel::sort(int column, Qt::SortOrder order) {
  // The view asks for the order the rows already stand in when sorting is turned on.
  if (column < 0 || column >= columnCount() || (column == sortedColumn_ && order == sortedOrder_)) {
    return;
  }
  std::vector<std::optional<long double>> numbers(joinRows_.size());
  for (std::size_t row = 0; row < numbers.size(); ++row) {
    numbers[row] = column == kBasePass ? std::optional<long double>(joined_.join->BasePass(row))
                                       : CellNumber(Cell(row, column));
  }
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const QModelIndexList before = persistentIndexList();
  std::vector<std::uint32_t> rowsBefore(before.size());
  for (qsizetype i = 0; i < before.size(); ++i) {
    rowsBefore[static_cast<std::size_t>(i)] = joinRows_[static_cast<std::size_t>(before[i].row())];
  }
  // Join rows stand in base pass order, so a stable sort of them leaves equal numbers so.
  std::iota(joinRows_.begin(), joinRows_.end(), 0U);
  std::stable_sort(joinRows_.begin(), joinRows_.end(), [&](std::uint32_t a, std::uint32_t b) {
    const std::optional<long double>& x = numbers[a];
    const std::optional<long double>& y = numbers[b];
    if (!x || !y) return x.has_value() && !y.has_value();
    return order == Qt::AscendingOrder ? *x < *y : *x > *y;
  });
  for (std::size_t row = 0; row < joinRows_.size(); ++row) {
    shownAt_[joinRows_[row]] = static_cast<std::uint32_t>(row);
  }
  QModelIndexList after;
  for (qsizetype i = 0; i < before.size(); ++i) {
    after.append(index(static_cast<int>(shownAt_[rowsBefore[static_cast<std::size_t>(i)]]),
                       before[i].column()));
  }
  changePersistentIndexList(before, after);
  sortedColumn_ = column;
  sortedOrder_ = order;
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

std::uint32_t JoinedPassesModel::BasePassAt(int row) const {
  return joined_.join->BasePass(joinRows_.at(static_cast<std::size_t>(row)));
}

std::optional<int> JoinedPassesModel::RowOf(std::uint32_t pass) const {
  const std::optional<std::size_t> joinRow = joined_.join->RowOfBasePass(pass);
  if (!joinRow) return std::nullopt;
  return static_cast<int>(shownAt_[*joinRow]);
}

}  // namespace kvl::ui
