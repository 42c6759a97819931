#include "UserActions.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QTest>

#include <ui/mainwindow/MainWindow.h>
#include <ui/parametermap/MapTexts.h>
#include <ui/widgets/ResultsView.h>

#include "WindowFixture.h"

using namespace kvl::core;
using namespace kvl::ui;

void ClickRow(ResultsView& list, int row) {
  list.scrollTo(list.model()->index(row, 0));
  const QRect cell = list.visualRect(list.model()->index(row, 0));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cell.center());
}

void ClickBelowRows(ResultsView& list) {
  const QPoint point(20, list.viewport()->height() - 5);
  if (list.indexAt(point).isValid()) qFatal("the list is full to its bottom");
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, point);
}

void ClickHeader(ResultsView& list, int column) {
  QHeaderView* header = list.header();
  const QPoint point(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                     header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, point);
}

void TypeText(QWidget& widget, const QString& text) {
  for (const QChar character : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QApplication::sendEvent(&widget, &press);
    QApplication::sendEvent(&widget, &release);
  }
}

QStringList ColumnTexts(ResultsView& list, int column) {
  QStringList texts;
  const QAbstractItemModel* model = list.model();
  for (int row = 0; row < model->rowCount(); ++row) {
    texts.append(model->data(model->index(row, column)).toString());
  }
  return texts;
}

bool ChooseListMenuItem(MainWindow& form, int row, const QString& text, bool byKeyboard) {
  ResultsView& list = *ControlOf<ResultsView>(form, "RzListView1");
  const QModelIndex index = list.model()->index(row, 0);
  list.scrollTo(index);
  // What the platform sends for the Menu key, or after a click of the right button: Qt's test
  // events go to the widget directly and skip the window, which makes the menu event.
  if (byKeyboard) {
    list.setFocus();
    const QPoint middle(list.width() / 2, list.height() / 2);
    QContextMenuEvent menuEvent(QContextMenuEvent::Keyboard, middle, list.mapToGlobal(middle));
    QApplication::sendEvent(&list, &menuEvent);
  } else {
    const QPoint place = list.visualRect(index).center();
    QTest::mouseClick(list.viewport(), Qt::RightButton, {}, place);
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, place,
                                list.viewport()->mapToGlobal(place));
    QApplication::sendEvent(list.viewport(), &menuEvent);
  }
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  if (menu == nullptr) return false;
  for (QAction* action : menu->actions()) {
    if (action->text() != text || !action->isEnabled()) continue;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    return true;
  }
  menu->close();
  return false;
}

ParameterMapWindow* OpenParameterMap(MainWindow& form, int row, bool byKeyboard) {
  if (!ChooseListMenuItem(form, row, ParameterMapMenuText(), byKeyboard)) return nullptr;
  return form.ParameterMap();
}

bool ChooseItem(QComboBox& box, const QString& text) {
  const int wanted = box.findText(text);
  if (wanted < 0) return false;
  box.setFocus();
  QTest::keyClick(&box, Qt::Key_Home);
  for (int item = 0; item < wanted; ++item) QTest::keyClick(&box, Qt::Key_Down);
  return box.currentIndex() == wanted;
}
