#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class TListView;

// Clicks row `row` of the list, or the rows area below the last row.
void ClickRow(TListView& list, int row);
void ClickBelowRows(TListView& list);
void ClickHeader(TListView& list, int column);

// Types `text` key by key, any script: each key press carries one character.
void TypeText(QWidget& widget, const QString& text);

// The texts of a column, top row first.
QStringList ColumnTexts(TListView& list, int column);
