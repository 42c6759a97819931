#pragma once

#include <QWidget>

#include "FileDialog.h"
#include "ListView.h"
#include "Memo.h"
#include "UrlLabel.h"

class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QWheelEvent;

// The main window: the results list of the loaded report, the parameter panel of the chosen
// pass and the commands to load a report and export a set file.
class TFormMain : public QWidget {
 public:
  explicit TFormMain(QWidget* parent = nullptr);
  ~TFormMain() override;

  QStatusBar* RzStatusBar1;
  QFrame* RzPanel2;
  QPushButton* RzBitBtn2;
  TFileDialog* OpenDialog1;
  QScrollArea* ScrollBox1;
  QFrame* OptPanel1;
  QLabel* RzLabel2;
  TListView* RzListView1;
  TMemo* RzMemo1;
  TFileDialog* SaveDialog1;
  QPushButton* RzButton1;
  QLabel* Image2;
  TURLLabel* RzURLLabel2;

  void RzButton1Click(QObject* Sender);
  void RzListView1Data(QObject* Sender, TListItem* Item);
  void RzListView1Click(QObject* Sender);
  void RzListView1KeyDown(QObject* Sender, quint16& Key, Qt::KeyboardModifiers Shift);
  void RzListView1ColumnClick(QObject* Sender, TListColumn* Column);
  void RzBitBtn2Click(QObject* Sender);
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

  int wheelRemainder_ = 0;
  bool forwardingWheel_ = false;
};

// The one main window, set when it is created.
extern TFormMain* FormMain;

// 1 once a row has been chosen: from then on the export is open. Never cleared.
extern int RowChosen;
