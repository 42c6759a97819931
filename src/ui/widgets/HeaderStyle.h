#pragma once

#include <QProxyStyle>

namespace kvl::ui {

// The results list's column header with the sort indicator centred above the caption, as list
// views on Windows draw it. At the right end, where Qt's styles put it, the indicator would
// cover the end of a caption that fills its column ("Мат. выигрыша").
class HeaderStyle : public QProxyStyle {
 public:
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  // The caption's place below the band that holds the indicator, and the indicator's place.
  QRect subElementRect(SubElement element, const QStyleOption* option,
                       const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
};

}  // namespace kvl::ui
