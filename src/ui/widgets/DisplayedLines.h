#pragma once

#include <QFont>
#include <QString>
#include <QTextOption>
#include <vector>

namespace kvl::ui {

// Where each displayed line of a plain text starts, its paragraphs split at '\n' and wrapped at
// `width` pixels. An empty last paragraph (after a final break, or an empty text) is a line
// of its own here.
std::vector<int> DisplayedLineStarts(const QString& text, const QFont& font,
                                     const QTextOption& option, qreal width);

}  // namespace kvl::ui
