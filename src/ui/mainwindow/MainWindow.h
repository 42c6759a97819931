#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include <core/sort/RowOrder.h>

#include "LoadedReport.h"

class QDropEvent;
class QFrame;
class QLabel;
class QScrollArea;
class QStatusBar;
class QWheelEvent;

namespace kvl::ui {

class ComparisonWindow;
class EnterButton;
class FileDialog;
class LinkLabel;
class ParameterMapWindow;
class ParameterPanel;
class ResultsModel;
class ResultsView;

// The main window: the results list of the loaded report, the parameter panel of the chosen
// pass and the commands to load a report and export a set file. Its controls carry the object
// names they have always had (RzListView1, RzMemo1, ...), by which tests and assistive technology
// find them.
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  const LoadedReport& Report() const { return report_; }
  FileDialog& OpenDialog() { return *openDialog_; }
  FileDialog& SaveDialog() { return *saveDialog_; }

  // Everything a confirmed load does: loads the report at `path` and shows it, or says that the
  // file holds no results and keeps the list as it was. A file that cannot be read raises.
  void OpenReport(const QString& path);
  // Opens the report at `path` once the event loop gets to it, as one event: a failure shows the
  // error box over the shown window, which goes on.
  void OpenReportLater(const QString& path);
  // Opens the parameter map of the loaded report in its own window, or brings that window up.
  void ShowParameterMap();
  // The parameter map's window, once it has been opened.
  ParameterMapWindow* ParameterMap() const;
  // Asks for another report in the open dialog and compares the loaded report with it in a window
  // of its own, which replaces an earlier comparison; says so when they cannot be compared. The
  // comparison's window can join further reports.
  void CompareWithReport();
  // The comparison's window, while it is open.
  ComparisonWindow* Comparison() const;
  // Chooses the row that shows `pass` as a click on it would: the list scrolls to it and selects
  // it, and the panel shows its parameters. A pass that no row shows changes nothing.
  void ChoosePass(core::PassNumber pass);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CreateControls();
  void PlaceDockedControls();
  void BindEvents();
  void RouteWheel(QWheelEvent* event);
  bool RouteDrop(QDropEvent* event);

  // The handlers of the user's actions; each runs guarded, so a failure is reported and the
  // window goes on.
  void LoadClicked();
  void ExportClicked();
  // A click in the list, or Up or Down: the panel shows the selected row's parameters.
  void RowChosen();
  void ListKeyPressed(int key);
  void HeaderClicked(int column);
  void ListMenuRequested(const QPoint& place);
  // Opens a report to compare with, alone or beside those of the open comparison.
  void JoinReport(bool adding);
  // One notch of the wheel that no control takes: the scroll box moves.
  void WheelNotch(int direction);

  LoadedReport report_;
  ResultsModel* resultsModel_;

  QStatusBar* statusBar_;
  QFrame* topPanel_;
  QLabel* banner_;
  LinkLabel* guideLink_;
  EnterButton* exportButton_;
  EnterButton* loadButton_;
  QScrollArea* scrollBox_;
  QFrame* contentPanel_;
  QLabel* parametersCaption_;
  ResultsView* resultsView_;
  ParameterPanel* parameterPanel_;
  std::unique_ptr<FileDialog> openDialog_;
  std::unique_ptr<FileDialog> saveDialog_;

  // The pass whose parameters the panel shows, none once it shows none.
  std::optional<core::PassNumber> panelPass_;
  int wheelRemainder_ = 0;
  bool forwardingWheel_ = false;
  QPointer<ParameterMapWindow> parameterMap_;
  QPointer<ComparisonWindow> comparison_;
};

// Creates the main window; a `report` that is not empty opens once the event loop runs.
std::unique_ptr<MainWindow> CreateMainWindow(const QString& report);

}  // namespace kvl::ui
