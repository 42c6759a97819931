#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "Button.h"
#include "FileDialog.h"
#include "ListView.h"
#include "Memo.h"
#include "UrlLabel.h"

class QFrame;
class QLabel;
class QScrollArea;
class QStatusBar;
class QDropEvent;
class QWheelEvent;
class ParameterMapWindow;

// The main window: the results list of the loaded report, the parameter panel of the chosen
// pass and the commands to load a report and export a set file.
class TFormMain : public QWidget {
 public:
  explicit TFormMain(QWidget* parent = nullptr);
  ~TFormMain() override;

  QStatusBar* RzStatusBar1;
  QFrame* RzPanel2;
  TButton* RzBitBtn2;
  TFileDialog* OpenDialog1;
  QScrollArea* ScrollBox1;
  QFrame* OptPanel1;
  QLabel* RzLabel2;
  TListView* RzListView1;
  TMemo* RzMemo1;
  TFileDialog* SaveDialog1;
  TButton* RzButton1;
  QLabel* Image2;
  TURLLabel* RzURLLabel2;

  void RzButton1Click(QObject* Sender);
  // Everything a confirmed load does: loads the report at `path` and shows it, or says that the
  // file holds no results and keeps the list as it was. A file that cannot be read raises.
  void OpenReport(const QString& path);
  // Opens the report at `path` once the event loop gets to it, as one event: a failure shows the
  // error box over the shown window, which goes on.
  void OpenReportLater(const QString& path);
  void RzListView1Data(QObject* Sender, TListItem* Item);
  void RzListView1Click(QObject* Sender);
  void RzListView1KeyDown(QObject* Sender, quint16& Key, Qt::KeyboardModifiers Shift);
  void RzListView1ColumnClick(QObject* Sender, TListColumn* Column);
  void RzBitBtn2Click(QObject* Sender);
  // The list's menu, on the right button or the Menu key: opens the parameter map.
  void RzListView1ContextPopup(QObject* Sender, const QPoint& MousePos);
  // Opens the parameter map of the loaded report in its own window, or brings that window up.
  void ShowParameterMap();
  // The parameter map's window, once it has been opened.
  ParameterMapWindow* ParameterMap() const;
  // Chooses the row that shows pass `pass` as a click on it would: the list scrolls to it and
  // selects it, and the panel shows its parameters. A pass that no row shows changes nothing.
  void ChoosePass(int pass);
  void FormMouseWheelDown(QObject* Sender, Qt::KeyboardModifiers Shift, const QPoint& MousePos,
                          bool& Handled);
  void FormMouseWheelUp(QObject* Sender, Qt::KeyboardModifiers Shift, const QPoint& MousePos,
                        bool& Handled);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void CreateControls();
  void PlaceDockedControls();
  void BindEvents();
  void RouteWheel(QWheelEvent* event);
  bool RouteDrop(QDropEvent* event);
  // The row that shows pass `pass`, or -1.
  int RowOfPass(int pass) const;

  // The pass whose parameters the panel shows, 0 when it shows none.
  int panelPass_ = 0;
  int wheelRemainder_ = 0;
  bool forwardingWheel_ = false;
  // The pass last chosen in the list of the report loaded last, 0 when none.
  int chosenPass_ = 0;
  QPointer<ParameterMapWindow> parameterMap_;
};

// The one main window, set when it is created.
extern TFormMain* FormMain;

// Creates the main window and sets FormMain; a `report` that is not empty opens once the event
// loop runs.
std::unique_ptr<TFormMain> CreateFormMain(const QString& report);

// 1 once a row has been chosen: from then on the export is open. Never cleared.
extern int RowChosen;
