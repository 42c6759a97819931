#include <QMenu>

#include <ui/comparison/ComparisonTexts.h>
#include <ui/messages/ErrorReport.h>
#include <ui/parametermap/MapTexts.h>
#include <ui/parametermap/ParameterMapWindow.h>
#include <ui/widgets/ResultsView.h>

#include "MainWindow.h"

namespace kvl::ui {

void MainWindow::ListMenuRequested(const QPoint& place) {
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->addAction(ParameterMapMenuText(), this, [this] { ShowParameterMap(); });
  // A comparison needs a report to compare.
  menu->addAction(CompareMenuText(), this, [this] { GuardEvent([this] { CompareWithReport(); }); })
      ->setEnabled(report_.Count() > 0);
  menu->popup(place);
}

void MainWindow::ShowParameterMap() {
  if (!parameterMap_) {
    parameterMap_ = new ParameterMapWindow(report_, this);
    connect(parameterMap_, &ParameterMapWindow::passClicked, this,
            [this](core::PassNumber pass) { GuardEvent([&] { ChoosePass(pass); }); });
  }
  parameterMap_->show();
  parameterMap_->raise();
  parameterMap_->activateWindow();
}

ParameterMapWindow* MainWindow::ParameterMap() const {
  return parameterMap_;
}

void MainWindow::ChoosePass(core::PassNumber pass) {
  const std::optional<int> row = report_.RowOf(pass);
  if (!row) return;
  // Selects the row, gives it the focus mark and scrolls it into view, as a click would.
  resultsView_->setCurrentIndex(resultsView_->model()->index(*row, 0));
  RowChosen();
}

}  // namespace kvl::ui
