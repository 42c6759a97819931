#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include <ui/mainwindow/MainWindow.h>
#include <ui/messages/ErrorReport.h>
#include <ui/widgets/EnterButton.h>
#include <ui/widgets/FileDialog.h>
#include <ui/widgets/LinkLabel.h>
#include <ui/widgets/ParameterPanel.h>
#include <ui/widgets/ResultsView.h>

#include "DialogStandIns.h"
#include "GeneratedPasses.h"
#include "TestFiles.h"

// A shown main window over fresh process state (no row chosen, every sort flag clear), with a
// temporary folder for the files a test reads and writes. Its file dialogs show that folder
// and are answered by stand-ins; error, information and warning boxes are kept by stand-ins. The
// user's settings live in a temporary folder of their own, so real dialogs remember nothing for
// the user who runs the tests.
class WindowFixture {
 public:
  WindowFixture();
  ~WindowFixture();
  WindowFixture(const WindowFixture&) = delete;
  WindowFixture& operator=(const WindowFixture&) = delete;

  kvl::ui::MainWindow& Form() { return *form_; }
  FileDialogUser& OpenDialog() { return *openDialog_; }
  FileDialogUser& SaveDialog() { return *saveDialog_; }
  ShownBoxes& ErrorBoxes() { return errorBoxes_; }
  ShownBoxes& InformationBoxes() { return informationBoxes_; }
  ShownBoxes& WarningBoxes() { return warningBoxes_; }

  QString Folder() const;
  QString Path(const QString& name) const;
  // Writes `bytes` to the file `name` in the folder and returns its full path.
  QString WriteFile(const QString& name, const std::string& bytes) const;
  // Writes an optimization report of `passes` to the folder and returns its full path.
  QString WriteReport(const QString& name, const std::vector<GeneratedPass>& passes) const;
  std::string ReadFile(const QString& name) const;

  // Loads `report` through the load button and the open dialog.
  void LoadThroughButton(const QString& report);

 private:
  TempDir folder_;
  TempDir settingsFolder_;
  ShownBoxes errorBoxes_{kvl::ui::ErrorBoxStandIn};
  ShownBoxes informationBoxes_{kvl::ui::InformationBoxStandIn};
  ShownBoxes warningBoxes_{kvl::ui::WarningBoxStandIn};
  std::unique_ptr<kvl::ui::MainWindow> form_;
  std::unique_ptr<FileDialogUser> openDialog_;
  std::unique_ptr<FileDialogUser> saveDialog_;
};

// Passes numbered from 1, whose six figures are given per pass; the title of pass k is
// "P=<k>; Q=<k*10>; ".
std::vector<GeneratedPass> NumberedPasses(const std::vector<std::vector<std::string>>& figures);

// A control of `window` found by its object name, as assistive technology finds it; a test that
// asks for one the window lacks stops there.
template <class Control>
Control* ControlOf(QWidget& window, const char* name) {
  auto* control = window.findChild<Control*>(QString::fromLatin1(name));
  if (control == nullptr) qFatal("the window has no control %s", name);
  return control;
}
