#include "ParameterPanel.h"

#include <QTextCursor>
#include <QTextDocument>

#include <core/PanelText.h>
#include <core/SetFile.h>
#include <ui/encoding/AnsiText.h>
#include <ui/encoding/NativePath.h>

#include "DisplayedLines.h"

namespace kvl::ui {

int PanelLines::Count() const {
  const std::vector<int> starts = Starts();
  const bool lastIsEmpty = starts.back() == panel_.document()->characterCount() - 1;
  return static_cast<int>(starts.size()) - (lastIsEmpty ? 1 : 0);
}

void PanelLines::DeleteLastLine() {
  const int length = panel_.document()->characterCount() - 1;
  Remove(core::StartOfLastLine(Starts(), length), length);
}

void PanelLines::Clear() {
  panel_.clear();
}

void PanelLines::SaveToFile(const QString& path) const {
  core::WriteSetFile(NativePath(path), QStringToAnsi(panel_.Text()));
}

void PanelLines::Remove(int from, int to) {
  QTextCursor cursor(panel_.document());
  cursor.setPosition(from);
  cursor.setPosition(to, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
}

std::vector<int> PanelLines::Starts() const {
  const QTextDocument* document = panel_.document();
  return DisplayedLineStarts(document->toPlainText(), panel_.font(), document->defaultTextOption(),
                             panel_.WrapWidth());
}

ParameterPanel::ParameterPanel(QWidget* parent) : QPlainTextEdit(parent), Lines(*this) {
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabChangesFocus(true);
}

// The raw text, because the plain text turns no-break spaces into blanks. Paragraph and line
// separators are the panel's line breaks.
QString ParameterPanel::Text() const {
  QString text = document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
  text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
  return text;
}

void ParameterPanel::SetText(const QString& text) {
  QString plain = text;
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  plain.replace(u'\r', u'\n');
  setPlainText(plain);
}

// Computed from the frame rather than the viewport, so it holds before the memo is first shown.
qreal ParameterPanel::WrapWidth() const {
  return contentsRect().width() - 2 * document()->documentMargin();
}

}  // namespace kvl::ui
