#include "MainWindow.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>

#include <core/PanelText.h>
#include <ui/comparison/ComparisonWindow.h>
#include <ui/encoding/AnsiText.h>
#include <ui/messages/ErrorReport.h>
#include <ui/messages/MessageBoxes.h>
#include <ui/messages/UserTexts.h>
#include <ui/parametermap/ParameterMapWindow.h>
#include <ui/widgets/EnterButton.h>
#include <ui/widgets/FileDialog.h>
#include <ui/widgets/ParameterPanel.h>
#include <ui/widgets/ResultsView.h>

#include "SetFileName.h"

namespace kvl::ui {

namespace {

constexpr int kWheelStep = 10;

// Connects `signal` of `sender` to `handler`, run guarded.
template <class Sender, class Signal, class Handler>
void ConnectGuarded(Sender* sender, Signal signal, QObject* receiver, Handler handler) {
  QObject::connect(sender, signal, receiver,
                   [handler](auto&&... arguments) { GuardEvent([&] { handler(arguments...); }); });
}

}  // namespace

void MainWindow::BindEvents() {
  ConnectGuarded(loadButton_, &QPushButton::clicked, this, [this](bool) { LoadClicked(); });
  ConnectGuarded(exportButton_, &QPushButton::clicked, this, [this](bool) { ExportClicked(); });
  ConnectGuarded(resultsView_, &ResultsView::rowsAreaClicked, this, [this] { RowChosen(); });
  ConnectGuarded(resultsView_, &ResultsView::keyPressed, this,
                 [this](int key) { ListKeyPressed(key); });
  ConnectGuarded(resultsView_, &ResultsView::headerClicked, this,
                 [this](int column) { HeaderClicked(column); });
  ConnectGuarded(resultsView_, &ResultsView::menuRequested, this,
                 [this](const QPoint& place) { ListMenuRequested(place); });
}

void MainWindow::LoadClicked() {
  if (openDialog_->Execute()) OpenReport(openDialog_->FileName);
}

void MainWindow::OpenReport(const QString& path) {
  const int n = report_.Load(path);
  if (n == 0) {
    ShowInformation(NotAReportText(path));
    return;
  }
  // The new passes stand in file order, in no column's order.
  resultsView_->HideSortIndicator();
  resultsView_->scrollToTop();
  statusBar_->showMessage(LoadedStatusText(QFileInfo(path).fileName(), n));
}

void MainWindow::OpenReportLater(const QString& path) {
  QMetaObject::invokeMethod(
      this, [this, path] { GuardEvent([this, &path] { OpenReport(path); }); },
      Qt::QueuedConnection);
}

std::unique_ptr<MainWindow> CreateMainWindow(const QString& report) {
  auto window = std::make_unique<MainWindow>();
  if (!report.isEmpty()) window->OpenReportLater(report);
  return window;
}

void MainWindow::RowChosen() {
  report_.MarkRowChosen();
  // Choosing a row never reports a failure: the panel just keeps what it shows.
  try {
    const int row = resultsView_->SelectedRow();
    if (row < 0) return;
    const core::PassNumber pass = report_.PassAt(row);
    const core::AnsiString lines =
        core::FormatParameters(report_.Passes()[core::SlotOf(pass)].Params);
    parameterPanel_->SetText(AnsiToQString(lines));
    panelPass_ = pass;
    // The last line holds the rest of the report cell, not a parameter.
    parameterPanel_->Lines.DeleteLastLine();
    report_.ChoosePass(pass);
  } catch (...) {
  }
}

void MainWindow::ListKeyPressed(int key) {
  if (key == Qt::Key_Up || key == Qt::Key_Down) RowChosen();
}

void MainWindow::HeaderClicked(int column) {
  // A sort that fails leaves the rows in no column's order.
  resultsView_->HideSortIndicator();
  report_.SortColumn(column);
  resultsView_->ShowSortIndicator(
      column, report_.SortedLargestFirst(column) ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void MainWindow::ExportClicked() {
  if (!report_.RowChosen()) return;
  // An empty file would only replace a good one, such as the one just exported.
  if (parameterPanel_->Text().isEmpty()) {
    statusBar_->showMessage(NothingToExportText());
    return;
  }
  // Text that the user typed into the panel on its own belongs to no pass: the name is theirs.
  saveDialog_->FileName = panelPass_ ? QString::number(panelPass_->value) : QString();
  // A cancelled dialog keeps the panel and its edits.
  if (!saveDialog_->Execute()) return;
  const QString path = WithSetExtension(saveDialog_->FileName);
  parameterPanel_->Lines.SaveToFile(path);
  parameterPanel_->Lines.Clear();
  panelPass_.reset();
  statusBar_->showMessage(WrittenStatusText(path));
}

void MainWindow::WheelNotch(int direction) {
  QScrollBar* bar = scrollBox_->verticalScrollBar();
  bar->setValue(bar->value() - direction * kWheelStep);
}

}  // namespace kvl::ui
