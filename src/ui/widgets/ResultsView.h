#pragma once

#include <QTreeView>
#include <span>

namespace kvl::ui {

// The results list: a report list of rows with single whole-row selection, whose header's
// clicks, left clicks in the rows area, keys and menu requests it signals to the window.
class ResultsView : public QTreeView {
  Q_OBJECT

 public:
  explicit ResultsView(QWidget* parent);

  // Sets the columns' widths, in order, as designed.
  void SetColumnWidths(std::span<const int> widths);

  // The selected row, or -1.
  int SelectedRow() const;
  // The header's mark of the column the rows are ordered by, and in which direction.
  void ShowSortIndicator(int column, Qt::SortOrder order);
  void HideSortIndicator();

 signals:
  // A left click (press and release) in the rows area, after the selection has been updated;
  // also below the last row and in an empty list.
  void rowsAreaClicked();
  // A key pressed in the list, after the list has handled it (the arrows have moved the
  // selection).
  void keyPressed(int key);
  void headerClicked(int column);
  // The right button or the Menu key: where a menu for the list should open, in screen
  // coordinates.
  void menuRequested(const QPoint& place);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void FitLastColumn();

  bool leftPressed_ = false;
  bool fittingLastColumn_ = false;
};

}  // namespace kvl::ui
