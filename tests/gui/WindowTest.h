#pragma once

#include <QObject>
#include <memory>

#include "WindowFixture.h"

// The base of the window's suites: a fresh window before every test. After a test that passed,
// every dialog answer it gave must have been used, and no dialog or error box may have been
// shown that it did not expect.
class WindowTest : public QObject {
  Q_OBJECT

 protected:
  // Runs before each test, once the window is shown.
  virtual void PrepareWindow() {}

  std::unique_ptr<WindowFixture> window_;

 private slots:
  void init();
  void cleanup();
};
