#pragma once

#include <QStringList>
#include <QTreeView>
#include <deque>
#include <functional>

#include "ListItem.h"

class VirtualListModel;

struct TListColumn {
  int ID = 0;
  QString Caption;
};

// A virtual report list: single whole-row selection, a row count instead of rows, and the
// events of the window's handlers. Every handler it raises runs guarded.
class TListView : public QTreeView {
 public:
  explicit TListView(QWidget* parent);

  // Asked for the texts of a row each time it is painted.
  std::function<void(QObject* sender, TListItem* item)> OnData;
  // A left click (press and release) in the rows area, after the selection has been updated;
  // also below the last row and in an empty list.
  std::function<void(QObject* sender)> OnClick;
  // A key pressed in the list, raised after the list has handled it (the arrows have moved the
  // selection). Key is the Windows virtual-key code, 0 for keys without one here.
  std::function<void(QObject* sender, quint16& key, Qt::KeyboardModifiers shift)> OnKeyDown;
  std::function<void(QObject* sender, TListColumn* column)> OnColumnClick;
  // The right button or the Menu key: where a menu for the list should open, in screen
  // coordinates.
  std::function<void(QObject* sender, const QPoint& mousePos)> OnContextPopup;

  void AddColumn(const QString& caption, int width);

  int ItemCount() const;
  void SetItemCount(int count);
  // The selected row, or -1.
  int ItemIndex() const;
  // The row that carries the focus mark, or -1.
  int ItemFocused() const;
  // Repaints the rows, asking for their texts again.
  void Refresh();
  // The header's mark of the column the rows are ordered by, and in which direction.
  void ShowSortIndicator(int column, Qt::SortOrder order);
  void HideSortIndicator();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void FitLastColumn();

  VirtualListModel* model_;
  std::deque<TListColumn> columns_;
  bool leftPressed_ = false;
  bool fittingLastColumn_ = false;
};
