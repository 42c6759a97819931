#include "WindowTest.h"

#include <QTest>
#include <string>
#include <utility>

void WindowTest::init() {
  window_ = std::make_unique<WindowFixture>();
  PrepareWindow();
}

void WindowTest::cleanup() {
  const std::unique_ptr<WindowFixture> window = std::move(window_);
  if (QTest::currentTestFailed()) return;
  const QStringList errors = window->ErrorBoxes().TakeTexts();
  QVERIFY2(errors.isEmpty(), qPrintable("unexpected error boxes: " + errors.join(" | ")));
  const QStringList notes = window->InformationBoxes().TakeTexts();
  QVERIFY2(notes.isEmpty(), qPrintable("unexpected information boxes: " + notes.join(" | ")));
  const QStringList warnings = window->WarningBoxes().TakeTexts();
  QVERIFY2(warnings.isEmpty(), qPrintable("unexpected warning boxes: " + warnings.join(" | ")));
  for (const auto& [name, dialog] : {std::pair{std::string("open"), &window->OpenDialog()},
                                     std::pair{std::string("save"), &window->SaveDialog()}}) {
    QVERIFY2(dialog->ShowingsWithoutAnswer() == 0,
             ("the " + name + " dialog was shown without an answer").c_str());
    QVERIFY2(dialog->UnusedAnswers() == 0,
             ("an answer for the " + name + " dialog was never used").c_str());
  }
}
