#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>

struct TListItem;

// Rows that exist only as a count: a row's texts are asked for each time the view needs them,
// and nothing is kept per row.
class VirtualListModel : public QAbstractTableModel {
 public:
  using DataRequest = std::function<void(TListItem&)>;

  VirtualListModel(QObject* parent, DataRequest request);

  void AddColumn(const QString& caption);
  int Count() const { return count_; }
  // Rows are added or removed at the end, so the selection and the focus mark keep their row
  // numbers wherever those rows still exist.
  void SetCount(int count);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  DataRequest request_;
  QStringList captions_;
  int count_ = 0;
};
