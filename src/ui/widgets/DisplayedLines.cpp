#include "DisplayedLines.h"

#include <QTextLayout>

namespace kvl::ui {

std::vector<int> DisplayedLineStarts(const QString& text, const QFont& font,
                                     const QTextOption& option, qreal width) {
  std::vector<int> starts;
  qsizetype paragraphStart = 0;
  while (true) {
    const qsizetype paragraphEnd = text.indexOf(u'\n', paragraphStart);
    const qsizetype length = (paragraphEnd < 0 ? text.size() : paragraphEnd) - paragraphStart;
    QTextLayout layout(text.mid(paragraphStart, length), font);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(width);
      starts.push_back(static_cast<int>(paragraphStart + line.textStart()));
    }
    layout.endLayout();
    // An empty paragraph still takes a line.
    if (length == 0 && (starts.empty() || starts.back() != paragraphStart)) {
      starts.push_back(static_cast<int>(paragraphStart));
    }
    if (paragraphEnd < 0) break;
    paragraphStart = paragraphEnd + 1;
  }
  return starts;
}

}  // namespace kvl::ui
