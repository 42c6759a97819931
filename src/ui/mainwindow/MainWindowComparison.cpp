#include <ui/comparison/ComparisonWindow.h>
#include <ui/comparison/JoinedReports.h>
#include <ui/messages/ErrorReport.h>
#include <ui/widgets/FileDialog.h>

#include "MainWindow.h"

namespace kvl::ui {

void MainWindow::CompareWithReport() {
  JoinReport(false);
}

void MainWindow::JoinReport(bool adding) {
  if (!openDialog_->Execute()) return;
  std::unique_ptr<JoinedReports> joined;
  try {
    const JoinedReports* earlier = adding && comparison_ ? &comparison_->Joined() : nullptr;
    joined = JoinWithReport(report_, openDialog_->FileName, earlier);
  } catch (const ComparisonRefused& refusal) {
    ShowWarning(QString::fromStdString(refusal.Message()));
    return;
  }
  // The earlier window may be the one whose button asked for this: it goes once its click is done.
  std::optional<QRect> place;
  if (comparison_) {
    place = comparison_->geometry();
    comparison_->close();
  }
  comparison_ = new ComparisonWindow(report_, std::move(joined), this);
  if (place) comparison_->setGeometry(*place);
  connect(comparison_, &ComparisonWindow::passClicked, this,
          [this](std::uint32_t pass) { GuardEvent([&] { ChoosePass(core::PassNumber{pass}); }); });
  connect(comparison_, &ComparisonWindow::addReportRequested, this,
          [this] { GuardEvent([this] { JoinReport(true); }); });
  comparison_->show();
  comparison_->raise();
  comparison_->activateWindow();
}

ComparisonWindow* MainWindow::Comparison() const {
  return comparison_;
}

}  // namespace kvl::ui
