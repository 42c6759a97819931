#include "HeaderStyle.h"

#include <QPainter>
#include <QStyleOptionHeader>

namespace kvl::ui {

namespace {

// The band above the captions that holds the indicator, and the indicator's size. The styles'
// own arrow shrinks to a few pixels in a band this narrow.
constexpr int kArrowBand = 7;
constexpr int kArrowWidth = 9;
constexpr int kArrowHeight = 5;

// A filled triangle in `place`, pointing up for SortUp and down for SortDown, as Qt's styles
// draw their indicator.
void DrawArrow(const QStyleOptionHeader& header, const QRect& place, QPainter* painter) {
  const bool up = header.sortIndicator == QStyleOptionHeader::SortUp;
  const int tip = up ? place.top() : place.top() + place.height();
  const int base = up ? place.top() + place.height() : place.top();
  const QPolygon arrow({QPoint(place.left(), base), QPoint(place.left() + place.width(), base),
                        QPoint(place.left() + place.width() / 2, tip)});
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setPen(Qt::NoPen);
  painter->setBrush(header.palette.color(QPalette::ButtonText));
  painter->drawPolygon(arrow);
}

}  // namespace

QSize HeaderStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                    const QSize& size, const QWidget* widget) const {
  QSize contents = QProxyStyle::sizeFromContents(type, option, size, widget);
  if (type == CT_HeaderSection) contents.rheight() += kArrowBand;
  return contents;
}

QRect HeaderStyle::subElementRect(SubElement element, const QStyleOption* option,
                                  const QWidget* widget) const {
  const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
  if (header == nullptr) return QProxyStyle::subElementRect(element, option, widget);
  if (element == SE_HeaderArrow) {
    return {header->rect.center().x() - kArrowWidth / 2,
            header->rect.top() + (kArrowBand - kArrowHeight) / 2, kArrowWidth, kArrowHeight};
  }
  if (element == SE_HeaderLabel) {
    // The whole width, as the indicator takes none of it.
    QStyleOptionHeader unmarked = *header;
    unmarked.sortIndicator = QStyleOptionHeader::None;
    return QProxyStyle::subElementRect(element, &unmarked, widget).adjusted(0, kArrowBand, 0, 0);
  }
  return QProxyStyle::subElementRect(element, option, widget);
}

void HeaderStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
  const auto* header = qstyleoption_cast<const QStyleOptionHeader*>(option);
  if (element != CE_Header || header == nullptr) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  QStyleOptionHeader section = *header;
  section.sortIndicator = QStyleOptionHeader::None;
  painter->save();
  painter->setClipRect(option->rect);
  QProxyStyle::drawControl(CE_HeaderSection, &section, painter, widget);
  QStyleOptionHeader label = section;
  label.rect = subElementRect(SE_HeaderLabel, &section, widget);
  QProxyStyle::drawControl(CE_HeaderLabel, &label, painter, widget);
  if (header->sortIndicator != QStyleOptionHeader::None) {
    DrawArrow(*header, subElementRect(SE_HeaderArrow, header, widget), painter);
  }
  painter->restore();
}

}  // namespace kvl::ui
