#include <QMenu>

#include "Main.h"
#include "WindowPasses.h"
#include "parametermap/MapTexts.h"
#include "parametermap/ParameterMapWindow.h"
#include "parametermap/PassRows.h"

void TFormMain::RzListView1ContextPopup(QObject* /*Sender*/, const QPoint& MousePos) {
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->addAction(ParameterMapMenuText(), this, [this] { ShowParameterMap(); });
  menu->popup(MousePos);
}

void TFormMain::ShowParameterMap() {
  if (!parameterMap_) {
    parameterMap_ = new ParameterMapWindow(this);
    parameterMap_->OnPassClicked = [this](int pass) { ChoosePass(pass); };
    parameterMap_->FollowReport(OptItems, RzListView1->ItemCount());
    if (chosenPass_ > 0) parameterMap_->MarkPass(chosenPass_);
  }
  parameterMap_->show();
  parameterMap_->raise();
  parameterMap_->activateWindow();
}

ParameterMapWindow* TFormMain::ParameterMap() const {
  return parameterMap_;
}

int TFormMain::RowOfPass(int pass) const {
  const auto number = static_cast<std::size_t>(pass);
  const int count = RzListView1->ItemCount();
  // Before any sort pass k stands in row k-1.
  if (pass >= 1 && pass <= count &&
      PassNumberOf(OptItems[static_cast<std::size_t>(pass - 1)].Index) == number) {
    return pass - 1;
  }
  for (int row = 0; row < count; ++row) {
    if (PassNumberOf(OptItems[static_cast<std::size_t>(row)].Index) == number) return row;
  }
  return -1;
}

void TFormMain::ChoosePass(int pass) {
  const int row = RowOfPass(pass);
  if (row < 0) return;
  const QModelIndex index = RzListView1->model()->index(row, 0);
  // Selects the row, gives it the focus mark and scrolls it into view, as a click would.
  RzListView1->setCurrentIndex(index);
  RzListView1Click(nullptr);
}
