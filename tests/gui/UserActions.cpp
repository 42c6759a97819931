#include "UserActions.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTest>

#include "ListView.h"

void ClickRow(TListView& list, int row) {
  list.scrollTo(list.model()->index(row, 0));
  const QRect cell = list.visualRect(list.model()->index(row, 0));
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cell.center());
}

void ClickBelowRows(TListView& list) {
  const QPoint point(20, list.viewport()->height() - 5);
  if (list.indexAt(point).isValid()) qFatal("the list is full to its bottom");
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, point);
}

void ClickHeader(TListView& list, int column) {
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

QStringList ColumnTexts(TListView& list, int column) {
  QStringList texts;
  const QAbstractItemModel* model = list.model();
  for (int row = 0; row < model->rowCount(); ++row) {
    texts.append(model->data(model->index(row, column)).toString());
  }
  return texts;
}
