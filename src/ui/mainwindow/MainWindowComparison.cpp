#include <ui/comparison/ComparisonWindow.h>
#include <ui/comparison/JoinedReports.h>
#include <ui/messages/ErrorReport.h>
#include <ui/widgets/FileDialog.h>

#include "MainWindow.h"

namespace kvl::ui {

void MainWindow::CompareWithReport() {
  if (!openDialog_->Execute()) return;
  std::unique_ptr<JoinedReports> joined;
  try {
    joined = JoinWithReport(report_, openDialog_->FileName);
  } catch (const ComparisonRefused& refusal) {
    ShowWarning(QString::fromStdString(refusal.Message()));
    return;
  }
  delete comparison_;
  comparison_ = new ComparisonWindow(report_, std::move(joined), this);
  connect(comparison_, &ComparisonWindow::passClicked, this,
          [this](std::uint32_t pass) { GuardEvent([&] { ChoosePass(core::PassNumber{pass}); }); });
  comparison_->show();
  comparison_->raise();
  comparison_->activateWindow();
}

ComparisonWindow* MainWindow::Comparison() const {
  return comparison_;
}

}  // namespace kvl::ui
