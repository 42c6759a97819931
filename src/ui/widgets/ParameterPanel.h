#pragma once

#include <QPlainTextEdit>
#include <QString>

namespace kvl::ui {

class ParameterPanel;

// The memo's lines as it displays them: a line that wraps counts as several.
class PanelLines {
 public:
  explicit PanelLines(ParameterPanel& panel) : panel_(panel) {}

  // Displayed lines, an empty last line not counted; 0 for an empty text.
  int Count() const;
  // Removes the last displayed line from its start on (StartOfLastLine), an empty last line not
  // counted.
  void DeleteLastLine();
  void Clear();
  // Writes Text in the ANSI code page to `path`, replacing any file there.
  void SaveToFile(const QString& path) const;

 private:
  std::vector<int> Starts() const;
  void Remove(int from, int to);

  ParameterPanel& panel_;
};

// A plain-text edit box that wraps long lines at its width, with lines separated by CR LF.
class ParameterPanel : public QPlainTextEdit {
 public:
  explicit ParameterPanel(QWidget* parent);

  // The whole text, holding only the line breaks that are in it, as CR LF.
  QString Text() const;
  // Replaces everything; CR LF, a lone CR and a lone LF each break a line.
  void SetText(const QString& text);
  // The width that lines wrap at.
  qreal WrapWidth() const;

  PanelLines Lines;
};

}  // namespace kvl::ui
