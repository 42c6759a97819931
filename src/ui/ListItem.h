#pragma once

#include <QString>
#include <QStringList>

// One row as the list asks for it: Index is the row number, Caption the first column's text,
// SubItems the texts of the further columns in order.
struct TListItem {
  int Index = 0;
  QString Caption;
  QStringList SubItems;
};
