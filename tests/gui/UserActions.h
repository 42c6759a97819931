#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QWidget;
namespace kvl::ui {
class MainWindow;
class ParameterMapWindow;
class ResultsView;
}  // namespace kvl::ui

// Clicks row `row` of the list, or the rows area below the last row.
void ClickRow(kvl::ui::ResultsView& list, int row);
void ClickBelowRows(kvl::ui::ResultsView& list);
void ClickHeader(kvl::ui::ResultsView& list, int column);

// Types `text` key by key, any script: each key press carries one character.
void TypeText(QWidget& widget, const QString& text);

// The texts of a column, top row first.
QStringList ColumnTexts(kvl::ui::ResultsView& list, int column);

// Opens the list's menu over row `row`, by the right button or by the Menu key, and chooses the
// item `text` in it; false when the menu had no such item, or had it disabled.
bool ChooseListMenuItem(kvl::ui::MainWindow& form, int row, const QString& text,
                        bool byKeyboard = false);

// Chooses "Карта параметров…" in the list's menu; returns the map's window, or null when the menu
// had no such item.
kvl::ui::ParameterMapWindow* OpenParameterMap(kvl::ui::MainWindow& form, int row,
                                              bool byKeyboard = false);

// Chooses the item `text` of a drop-down with the keys, as a user does; false when it has none.
bool ChooseItem(QComboBox& box, const QString& text);
