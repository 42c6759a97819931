#include "VirtualListModel.h"

#include <utility>

#include "ListView.h"

VirtualListModel::VirtualListModel(QObject* parent, DataRequest request)
    : QAbstractTableModel(parent), request_(std::move(request)) {}

void VirtualListModel::AddColumn(const QString& caption) {
  const int column = static_cast<int>(captions_.size());
  beginInsertColumns({}, column, column);
  captions_.append(caption);
  endInsertColumns();
}

void VirtualListModel::SetCount(int count) {
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

int VirtualListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : count_;
}

int VirtualListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(captions_.size());
}

QVariant VirtualListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= count_) return {};
  TListItem item;
  item.Index = index.row();
  request_(item);
  if (index.column() == 0) return item.Caption;
  return item.SubItems.value(index.column() - 1);
}

QVariant VirtualListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return captions_.value(section);
}
