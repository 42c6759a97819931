#include "ListView.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>

#include "ErrorReport.h"
#include "HeaderStyle.h"
#include "VirtualListModel.h"

namespace {

constexpr int kNarrowestFittedColumn = 5;

// The Windows virtual-key code of a Qt key: the navigation keys, digits and letters.
quint16 VirtualKeyOf(int key) {
  switch (key) {
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Home:
      return 36;
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    default:
      break;
  }
  if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
    return static_cast<quint16>(key);
  }
  return 0;
}

}  // namespace

TListView::TListView(QWidget* parent)
    : QTreeView(parent), model_(new VirtualListModel(this, [this](TListItem& item) {
        if (OnData) OnData(this, &item);
      })) {
  setModel(model_);
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
  connect(columnHeader, &QHeaderView::sectionClicked, this, [this](int section) {
    if (!OnColumnClick || section < 0 || section >= static_cast<int>(columns_.size())) return;
    GuardEvent([&] { OnColumnClick(this, &columns_[static_cast<std::size_t>(section)]); });
  });
  connect(columnHeader, &QHeaderView::sectionResized, this, [this] { FitLastColumn(); });
}

void TListView::AddColumn(const QString& caption, int width) {
  const int id = static_cast<int>(columns_.size());
  columns_.push_back({id, caption});
  fittingLastColumn_ = true;  // Designed widths stand as given.
  model_->AddColumn(caption);
  setColumnWidth(id, width);
  fittingLastColumn_ = false;
}

int TListView::ItemCount() const {
  return model_->Count();
}

void TListView::SetItemCount(int count) {
  model_->SetCount(count);
  Refresh();
}

int TListView::ItemIndex() const {
  const QModelIndexList rows = selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

int TListView::ItemFocused() const {
  const QModelIndex focused = currentIndex();
  return focused.isValid() ? focused.row() : -1;
}

void TListView::Refresh() {
  viewport()->update();
}

void TListView::ShowSortIndicator(int column, Qt::SortOrder order) {
  header()->setSortIndicator(column, order);
  header()->setSortIndicatorShown(true);
}

void TListView::HideSortIndicator() {
  header()->setSortIndicatorShown(false);
}

void TListView::mousePressEvent(QMouseEvent* event) {
  QTreeView::mousePressEvent(event);
  if (event->button() != Qt::LeftButton) return;
  leftPressed_ = true;
  // A click beside the rows leaves no row selected; the focus mark stays.
  if (!indexAt(event->position().toPoint()).isValid()) selectionModel()->clearSelection();
}

void TListView::mouseReleaseEvent(QMouseEvent* event) {
  QTreeView::mouseReleaseEvent(event);
  if (event->button() != Qt::LeftButton || !leftPressed_) return;
  leftPressed_ = false;
  if (OnClick) GuardEvent([this] { OnClick(this); });
}

void TListView::keyPressEvent(QKeyEvent* event) {
  QTreeView::keyPressEvent(event);
  if (!OnKeyDown) return;
  quint16 key = VirtualKeyOf(event->key());
  GuardEvent([&] { OnKeyDown(this, key, event->modifiers()); });
}

void TListView::contextMenuEvent(QContextMenuEvent* event) {
  if (!OnContextPopup) return QTreeView::contextMenuEvent(event);
  QPoint place = event->globalPos();
  // From the keyboard the menu opens under the focused row, where the user looks.
  const QModelIndex focused = currentIndex();
  if (event->reason() == QContextMenuEvent::Keyboard && focused.isValid()) {
    scrollTo(focused);
    place = viewport()->mapToGlobal(visualRect(focused).bottomLeft());
  }
  GuardEvent([&] { OnContextPopup(this, place); });
}

void TListView::paintEvent(QPaintEvent* event) {
  const VirtualListModel::PaintScope paint(*model_);
  QTreeView::paintEvent(event);
}

// After a column border has been moved, the last column takes up the rest of the width, as
// long as the others leave it room.
void TListView::FitLastColumn() {
  const int last = static_cast<int>(columns_.size()) - 1;
  if (fittingLastColumn_ || last < 0) return;
  int others = 0;
  for (int column = 0; column < last; ++column) others += columnWidth(column);
  const int rest = viewport()->width() - others;
  if (rest < kNarrowestFittedColumn) return;
  fittingLastColumn_ = true;
  setColumnWidth(last, rest);
  fittingLastColumn_ = false;
}
