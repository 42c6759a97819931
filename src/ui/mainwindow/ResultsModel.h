#pragma once

#include <QAbstractTableModel>

namespace kvl::ui {

class LoadedReport;

// The results list's rows: the seven columns of each pass of the loaded report, in the order its
// rows stand in. A cell's text is made from the table each time the view asks for it; nothing is
// kept per row, so a report of any size costs the list nothing but its count.
class ResultsModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  ResultsModel(const LoadedReport& report, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  // Rows come and go at the end, so that the selection and the focus mark keep their row numbers
  // wherever those rows still exist; the rows that stay show the new report.
  void FollowCount();
  void ShowNewTexts();

  const LoadedReport& report_;
  int count_ = 0;
};

}  // namespace kvl::ui
