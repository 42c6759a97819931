#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace kvl::ui {

// An open or save dialog as the window's commands use it: set Filter, DefaultExt and a
// proposed FileName, then Execute; on confirmation FileName holds the full path chosen.
class FileDialog {
 public:
  enum class Kind { Open, Save };

  FileDialog(QWidget* owner, Kind kind) : owner_(owner), kind_(kind) {}

  // "description|pattern" pairs separated by "|"; several patterns of one entry by ";".
  QString Filter;
  // Added by the dialog to a name typed without an extension.
  QString DefaultExt;
  QString FileName;

  // Shows the dialog modally, in the folder of the file last chosen in either dialog, in this
  // run or an earlier one; true when the user confirms a file name.
  bool Execute();

  // When set, answers in place of the dialog (for runs without a user, such as tests and
  // benchmarks): it may change FileName and returns whether the name counts as confirmed. The
  // dialog's memory of the last folder goes with it: neither read nor written.
  std::function<bool(FileDialog&)> Chooser;

 private:
  QWidget* owner_;
  Kind kind_;
};

// The Qt name filters of a Filter text: "MT4|*.set" gives "MT4 (*.set)".
QStringList NameFiltersOf(const QString& filter);

}  // namespace kvl::ui
