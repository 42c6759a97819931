#include "Main.h"

#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include "AnsiText.h"
#include "CellConvert.h"
#include "ErrorReport.h"
#include "NativePath.h"
#include "Parser.h"
#include "ReportLoader.h"
#include "ResultColumns.h"
#include "SetFileName.h"
#include "WindowPasses.h"

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
}

void TFormMain::RzButton1Click(QObject* /*Sender*/) {
  int n = 0;
  if (OpenDialog1->Execute()) n = LoadReport(NativePath(OpenDialog1->FileName), OptItems);
  RzListView1->Refresh();
  RzListView1->SetItemCount(n);
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
    // The last line holds the rest of the report cell, not a parameter.
    RzMemo1->Lines.DeleteLastLine();
  } catch (...) {
  }
}

void TFormMain::RzListView1KeyDown(QObject* /*Sender*/, quint16& Key,
                                   Qt::KeyboardModifiers /*Shift*/) {
  if (Key == kKeyUp || Key == kKeyDown) RzListView1Click(nullptr);
}

void TFormMain::RzListView1ColumnClick(QObject* /*Sender*/, TListColumn* Column) {
  const int n = RzListView1->ItemCount();
  SortColumnInNextDirection(Column->ID, n, OptItems, ColumnSortFlags);
  RzListView1->Refresh();
  RzListView1->SetItemCount(n);
}

void TFormMain::RzBitBtn2Click(QObject* /*Sender*/) {
  if (RowChosen == 0) return;
  // With no row focused (a click into the still empty list) the name is left to the user.
  const int r = RzListView1->ItemFocused();
  SaveDialog1->FileName =
      r < 0 ? QString() : AnsiToQString(OptItems[static_cast<std::size_t>(r)].Index);
  // A cancelled dialog keeps the panel and its edits.
  if (!SaveDialog1->Execute()) return;
  RzMemo1->Lines.SaveToFile(WithSetExtension(SaveDialog1->FileName));
  RzMemo1->Lines.Clear();
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
