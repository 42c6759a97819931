#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>

#include "ListItem.h"

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

  // While the view paints, a row's texts are asked for once, not once per cell; between paints
  // nothing is kept.
  class PaintScope {
   public:
    explicit PaintScope(VirtualListModel& model) : model_(model) { model_.painting_ = true; }
    ~PaintScope() {
      model_.painting_ = false;
      model_.paintedRow_.Index = -1;
    }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

   private:
    VirtualListModel& model_;
  };

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  TListItem Request(int row) const;
  static QString CellText(const TListItem& item, int column);

  DataRequest request_;
  QStringList captions_;
  int count_ = 0;
  bool painting_ = false;
  mutable TListItem paintedRow_{-1, {}, {}};
};
