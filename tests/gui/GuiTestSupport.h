#pragma once

#include <QPushButton>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <string>

#include "Main.h"

class QFileDialog;

// A shown main window over fresh process state (no row chosen, every sort flag clear), and a
// temporary folder for the files a test reads and writes.
class WindowFixture {
 public:
  WindowFixture();
  ~WindowFixture();

  TFormMain& Form() { return *form_; }
  QString Path(const QString& name) const { return folder_.filePath(name); }
  // Writes `bytes` to the folder and returns the file's full path.
  QString WriteFile(const QString& name, const std::string& bytes) const;

 private:
  QTemporaryDir folder_;
  std::unique_ptr<TFormMain> form_;
};

// Answers the next file dialog from inside its event loop once it is showing.
void WhenFileDialogOpens(std::function<void(QFileDialog&)> answer);
// Picks `path` in the dialog (typed into its name box as a full path) and confirms.
void ChooseInFileDialog(const QString& path);
// Types `name` into the name box of the dialog showing `folder` and confirms.
void TypeInFileDialog(const QString& folder, const QString& name);
void CancelFileDialog();

// What an error box showed; filled in when the box is answered.
struct ShownBox {
  bool shown = false;
  QString title, text;
  int icon = 0;
  int buttonCount = 0;
  bool okButton = false;
};
// Reads the next message box, then presses its OK button.
std::shared_ptr<ShownBox> WhenMessageBoxOpens();

// Clicks row `row` of the list, or the rows area `below` pixels below the last row.
void ClickRow(TListView& list, int row);
void ClickBelowRows(TListView& list);
void ClickHeader(TListView& list, int column);

// Types `text` key by key, any script: each key press carries one character.
void TypeText(QWidget& widget, const QString& text);

// Loads `report` through the load button and the real open dialog.
void LoadThroughButton(TFormMain& form, const QString& report);

// The texts of a column, top row first.
QStringList ColumnTexts(TListView& list, int column);
