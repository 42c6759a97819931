#include "VirtualListModel.h"

#include <utility>

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
  if (!painting_) return CellText(Request(index.row()), index.column());
  if (paintedRow_.Index != index.row()) paintedRow_ = Request(index.row());
  return CellText(paintedRow_, index.column());
}

TListItem VirtualListModel::Request(int row) const {
  TListItem item{row, {}, {}};
  request_(item);
  return item;
}

QString VirtualListModel::CellText(const TListItem& item, int column) {
  return column == 0 ? item.Caption : item.SubItems.value(column - 1);
}

QVariant VirtualListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return captions_.value(section);
}
