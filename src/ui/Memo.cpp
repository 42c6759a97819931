#include "Memo.h"

#include <QTextCursor>
#include <QTextDocument>

#include "AnsiText.h"
#include "DisplayedLines.h"
#include "NativePath.h"
#include "PanelText.h"
#include "SetFile.h"

int TMemoLines::Count() const {
  const std::vector<int> starts = Starts();
  const bool lastIsEmpty = starts.back() == memo_.document()->characterCount() - 1;
  return static_cast<int>(starts.size()) - (lastIsEmpty ? 1 : 0);
}

void TMemoLines::Delete(int index) {
  const std::vector<int> starts = Starts();
  if (index < 0 || index >= static_cast<int>(starts.size())) return;
  const auto line = static_cast<std::size_t>(index);
  const int end =
      line + 1 < starts.size() ? starts[line + 1] : memo_.document()->characterCount() - 1;
  Remove(starts[line], end);
}

void TMemoLines::DeleteLastLine() {
  const int length = memo_.document()->characterCount() - 1;
  Remove(StartOfLastLine(Starts(), length), length);
}

void TMemoLines::Clear() {
  memo_.clear();
}

void TMemoLines::SaveToFile(const QString& path) const {
  WriteSetFile(NativePath(path), QStringToAnsi(memo_.Text()));
}

void TMemoLines::Remove(int from, int to) {
  QTextCursor cursor(memo_.document());
  cursor.setPosition(from);
  cursor.setPosition(to, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
}

std::vector<int> TMemoLines::Starts() const {
  const QTextDocument* document = memo_.document();
  return DisplayedLineStarts(document->toPlainText(), memo_.font(), document->defaultTextOption(),
                             memo_.WrapWidth());
}

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent), Lines(*this) {
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabChangesFocus(true);
}

// The raw text, because the plain text turns no-break spaces into blanks. Paragraph and line
// separators are the panel's line breaks.
QString TMemo::Text() const {
  QString text = document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  return text;
}

void TMemo::SetText(const QString& text) {
  QString plain = text;
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  plain.replace(u'\r', u'\n');
  setPlainText(plain);
}

// Computed from the frame rather than the viewport, so it holds before the memo is first shown.
qreal TMemo::WrapWidth() const {
  return contentsRect().width() - 2 * document()->documentMargin();
}
