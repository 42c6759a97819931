#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>

class QComboBox;
class QLabel;
class QTableView;

namespace kvl::ui {

class ComparisonChart;
class EnterButton;
class JoinedPassesModel;
class LoadedReport;
struct JoinedReports;

// The main window's report compared with other reports by the inputs of their passes, in a window
// of its own: a chart of the base's profit and another report's for every joined pass, what the
// comparison found, and a table of the joined passes. It shows the pass chosen in the main window
// and tells which pass the user clicks; a new load in the main window takes its base away, and it
// closes.
class ComparisonWindow : public QWidget {
  Q_OBJECT

 public:
  ComparisonWindow(const LoadedReport& base, std::unique_ptr<JoinedReports> joined, QWidget* owner);
  ~ComparisonWindow() override;

  const JoinedReports& Joined() const { return *joined_; }

  EnterButton* AddButton;
  // Which report's profit the chart shows up; offered with two or more reports beside the base.
  QComboBox* OtherBox;
  QLabel* Summary;
  ComparisonChart* Chart;
  QTableView* Table;
  JoinedPassesModel* Passes;

 signals:
  // A click on a point or a row: the base pass it shows.
  void passClicked(std::uint32_t pass);
  // "Добавить отчёт…": the user asks to join one more report.
  void addReportRequested();

 private:
  void CreateControls();
  void BindEvents();
  // Marks the pass chosen in the main window on the chart and in the table.
  void MarkChosenPass();
  void RowChosen(int row);

  const LoadedReport& base_;
  std::unique_ptr<JoinedReports> joined_;
  bool marking_ = false;
};

}  // namespace kvl::ui
