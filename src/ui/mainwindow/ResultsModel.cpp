#include "ResultsModel.h"

#include <core/ResultColumns.h>
#include <ui/encoding/AnsiText.h>

#include "LoadedReport.h"

namespace kvl::ui {

ResultsModel::ResultsModel(const LoadedReport& report, QObject* parent)
    : QAbstractTableModel(parent), report_(report) {
  connect(&report, &LoadedReport::loaded, this, [this] {
    const bool rowsStay = count_ > 0;
    FollowCount();
    if (rowsStay) ShowNewTexts();
  });
  connect(&report, &LoadedReport::reordered, this, &ResultsModel::ShowNewTexts);
}

void ResultsModel::FollowCount() {
  const int count = report_.Count();
  if (count > count_) {
    beginInsertRows({}, count_, count - 1);
    count_ = count;
    endInsertRows();
  } else if (count < count_) {
    beginRemoveRows({}, count, count_ - 1);
    count_ = count;
    endRemoveRows();
  }
}

// Told as a change of layout, as a sort is, and not as changed data: a tree view answers a change
// of data by measuring every row in it, which for a large report takes longer than the sort.
// Persistent indexes, the selection's among them, keep their row numbers.
void ResultsModel::ShowNewTexts() {
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int ResultsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : count_;
}

int ResultsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(core::kResultColumns.size());
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= count_) return {};
  const core::PassRecord& pass = report_.Passes()[core::SlotOf(report_.PassAt(index.row()))];
  return AnsiToQString(pass.*core::kResultColumns[static_cast<std::size_t>(index.column())].field);
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
      section >= columnCount()) {
    return {};
  }
  const std::string_view caption = core::kResultColumns[static_cast<std::size_t>(section)].caption;
  return QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
}

}  // namespace kvl::ui
