#include "Main.h"

#include <QFileInfo>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>

#include "AnsiText.h"
#include "CellConvert.h"
#include "ErrorReport.h"
#include "MessageBoxes.h"
#include "NativePath.h"
#include "Parser.h"
#include "ReportLoader.h"
#include "ResultColumns.h"
#include "SetFileName.h"
#include "UserTexts.h"
#include "WindowPasses.h"
#include "parametermap/ParameterMapWindow.h"

namespace {

constexpr quint16 kKeyUp = 38;
constexpr quint16 kKeyDown = 40;
constexpr int kWheelStep = 10;

}  // namespace

TFormMain* FormMain = nullptr;
int RowChosen = 0;

void TFormMain::BindEvents() {
  connect(RzButton1, &QPushButton::clicked, this,
          [this] { GuardEvent([this] { RzButton1Click(RzButton1); }); });
  connect(RzBitBtn2, &QPushButton::clicked, this,
          [this] { GuardEvent([this] { RzBitBtn2Click(RzBitBtn2); }); });
  RzListView1->OnData = [this](QObject* sender, TListItem* item) { RzListView1Data(sender, item); };
  RzListView1->OnClick = [this](QObject* sender) { RzListView1Click(sender); };
  RzListView1->OnKeyDown = [this](QObject* sender, quint16& key, Qt::KeyboardModifiers shift) {
    RzListView1KeyDown(sender, key, shift);
  };
  RzListView1->OnColumnClick = [this](QObject* sender, TListColumn* column) {
    RzListView1ColumnClick(sender, column);
  };
  RzListView1->OnContextPopup = [this](QObject* sender, const QPoint& place) {
    RzListView1ContextPopup(sender, place);
  };
}

void TFormMain::RzButton1Click(QObject* /*Sender*/) {
  if (OpenDialog1->Execute()) OpenReport(OpenDialog1->FileName);
}

void TFormMain::OpenReport(const QString& path) {
  const int n = LoadReport(NativePath(path), OptItems);
  // No pass was stored, so the table still holds the passes that the list shows.
  if (n == 0) {
    ShowInformation(NotAReportText(path));
    return;
  }
  RzListView1->Refresh();
  RzListView1->SetItemCount(n);
  // The new passes stand in file order, in no column's order.
  RzListView1->HideSortIndicator();
  RzListView1->scrollToTop();
  RzStatusBar1->showMessage(LoadedStatusText(QFileInfo(path).fileName(), n));
  chosenPass_ = 0;
  if (parameterMap_) parameterMap_->FollowReport(OptItems, n);
}

void TFormMain::OpenReportLater(const QString& path) {
  QMetaObject::invokeMethod(
      this, [this, path] { GuardEvent([this, &path] { OpenReport(path); }); },
      Qt::QueuedConnection);
}

std::unique_ptr<TFormMain> CreateFormMain(const QString& report) {
  auto form = std::make_unique<TFormMain>();
  FormMain = form.get();
  if (!report.isEmpty()) form->OpenReportLater(report);
  return form;
}

void TFormMain::RzListView1Data(QObject* /*Sender*/, TListItem* Item) {
  const CItem_OPT& pass = OptItems[static_cast<std::size_t>(Item->Index)];
  Item->Caption = AnsiToQString(pass.Index);
  for (std::size_t c = 1; c < kResultColumns.size(); ++c) {
    Item->SubItems.append(AnsiToQString(pass.*kResultColumns[c].field));
  }
}

void TFormMain::RzListView1Click(QObject* /*Sender*/) {
  RowChosen = 1;
  // Choosing a row never reports a failure: the panel just keeps what it shows.
  try {
    const int r = RzListView1->ItemIndex();
    if (r < 0) return;
    const int n = CellToInt(OptItems[static_cast<std::size_t>(r)].Index);
    if (n < 1 || n > RzListView1->ItemCount()) return;
    const AnsiString lines = FormatParameters(OptItems[static_cast<std::size_t>(n - 1)].Params);
    RzMemo1->SetText(AnsiToQString(lines));
    panelPass_ = n;
    // The last line holds the rest of the report cell, not a parameter.
    RzMemo1->Lines.DeleteLastLine();
    chosenPass_ = n;
    if (parameterMap_) parameterMap_->MarkPass(n);
  } catch (...) {
  }
}

void TFormMain::RzListView1KeyDown(QObject* /*Sender*/, quint16& Key,
                                   Qt::KeyboardModifiers /*Shift*/) {
  if (Key == kKeyUp || Key == kKeyDown) RzListView1Click(nullptr);
}

void TFormMain::RzListView1ColumnClick(QObject* /*Sender*/, TListColumn* Column) {
  const int n = RzListView1->ItemCount();
  // A sort that fails leaves the rows in no column's order.
  RzListView1->HideSortIndicator();
  SortColumnInNextDirection(Column->ID, n, OptItems, ColumnSortFlags);
  RzListView1->ShowSortIndicator(Column->ID, ColumnSortFlags[static_cast<std::size_t>(Column->ID)]
                                                 ? Qt::DescendingOrder
                                                 : Qt::AscendingOrder);
  RzListView1->Refresh();
  RzListView1->SetItemCount(n);
}

void TFormMain::RzBitBtn2Click(QObject* /*Sender*/) {
  if (RowChosen == 0) return;
  // An empty file would only replace a good one, such as the one just exported.
  if (RzMemo1->Text().isEmpty()) {
    RzStatusBar1->showMessage(NothingToExportText());
    return;
  }
  // Text that the user typed into the panel on its own belongs to no pass: the name is theirs.
  SaveDialog1->FileName = panelPass_ > 0 ? QString::number(panelPass_) : QString();
  // A cancelled dialog keeps the panel and its edits.
  if (!SaveDialog1->Execute()) return;
  const QString path = WithSetExtension(SaveDialog1->FileName);
  RzMemo1->Lines.SaveToFile(path);
  RzMemo1->Lines.Clear();
  panelPass_ = 0;
  RzStatusBar1->showMessage(WrittenStatusText(path));
}

void TFormMain::FormMouseWheelDown(QObject* /*Sender*/, Qt::KeyboardModifiers /*Shift*/,
                                   const QPoint& /*MousePos*/, bool& /*Handled*/) {
  QScrollBar* bar = ScrollBox1->verticalScrollBar();
  bar->setValue(bar->value() + kWheelStep);
}

void TFormMain::FormMouseWheelUp(QObject* /*Sender*/, Qt::KeyboardModifiers /*Shift*/,
                                 const QPoint& /*MousePos*/, bool& /*Handled*/) {
  QScrollBar* bar = ScrollBox1->verticalScrollBar();
  bar->setValue(bar->value() - kWheelStep);
}
