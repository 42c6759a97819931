#include "ResultsView.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>

#include "HeaderStyle.h"

namespace kvl::ui {

namespace {

constexpr int kNarrowestFittedColumn = 5;

}  // namespace

ResultsView::ResultsView(QWidget* parent) : QTreeView(parent) {
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  // Without the focus the chosen row stays marked, in a paler colour, so that it can be seen
  // which pass the panel shows while the user edits it.
  QPalette colours = palette();
  const QColor highlight = colours.color(QPalette::Active, QPalette::Highlight);
  const QColor base = colours.color(QPalette::Inactive, QPalette::Base);
  auto pale = [](int strong, int weak) { return (2 * strong + 3 * weak) / 5; };
  colours.setColor(QPalette::Inactive, QPalette::Highlight,
                   QColor(pale(highlight.red(), base.red()), pale(highlight.green(), base.green()),
                          pale(highlight.blue(), base.blue())));
  colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   colours.color(QPalette::Inactive, QPalette::Text));
  setPalette(colours);

  QHeaderView* columnHeader = header();
  auto* headerStyle = new HeaderStyle;
  headerStyle->setParent(this);
  columnHeader->setStyle(headerStyle);
  columnHeader->setStretchLastSection(false);
  columnHeader->setSectionsMovable(false);
  columnHeader->setSectionsClickable(true);
  columnHeader->setSortIndicatorShown(false);
  columnHeader->setHighlightSections(false);
  columnHeader->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  connect(columnHeader, &QHeaderView::sectionClicked, this, &ResultsView::headerClicked);
  connect(columnHeader, &QHeaderView::sectionResized, this, [this] { FitLastColumn(); });
}

void ResultsView::SetColumnWidths(std::span<const int> widths) {
  fittingLastColumn_ = true;  // Designed widths stand as given.
  int column = 0;
  for (const int width : widths) setColumnWidth(column++, width);
  fittingLastColumn_ = false;
}

int ResultsView::SelectedRow() const {
  const QModelIndexList rows = selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void ResultsView::ShowSortIndicator(int column, Qt::SortOrder order) {
  header()->setSortIndicator(column, order);
  header()->setSortIndicatorShown(true);
}

void ResultsView::HideSortIndicator() {
  header()->setSortIndicatorShown(false);
}

void ResultsView::mousePressEvent(QMouseEvent* event) {
  QTreeView::mousePressEvent(event);
  if (event->button() != Qt::LeftButton) return;
  leftPressed_ = true;
  // A click beside the rows leaves no row selected; the focus mark stays.
  if (!indexAt(event->position().toPoint()).isValid()) selectionModel()->clearSelection();
}

void ResultsView::mouseReleaseEvent(QMouseEvent* event) {
  QTreeView::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton || !leftPressed_) return;
  leftPressed_ = false;
  emit rowsAreaClicked();
}

void ResultsView::keyPressEvent(QKeyEvent* event) {
  QTreeView::keyPressEvent(event);
  emit keyPressed(event->key());
}

void ResultsView::contextMenuEvent(QContextMenuEvent* event) {
  QPoint place = event->globalPos();
  // From the keyboard the menu opens under the focused row, where the user looks.
  const QModelIndex focused = currentIndex();
  if (event->reason() == QContextMenuEvent::Keyboard && focused.isValid()) {
    scrollTo(focused);
    place = viewport()->mapToGlobal(visualRect(focused).bottomLeft());
  }
  emit menuRequested(place);
}

// After a column border has been moved, the last column takes up the rest of the width, as
// long as the others leave it room.
void ResultsView::FitLastColumn() {
  const int last = header()->count() - 1;
  if (fittingLastColumn_ || last < 0) return;
  int others = 0;
  for (int column = 0; column < last; ++column) others += columnWidth(column);
  const int rest = viewport()->width() - others;
  if (rest < kNarrowestFittedColumn) return;
  fittingLastColumn_ = true;
  setColumnWidth(last, rest);
  fittingLastColumn_ = false;
}

}  // namespace kvl::ui
