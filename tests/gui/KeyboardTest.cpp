#include <QApplication>
#include <QTest>

#include "UserActions.h"
#include "WindowTest.h"

using namespace kvl::ui;

class KeyboardTest : public WindowTest {
  Q_OBJECT

 protected:
  void PrepareWindow() override {
    MainWindow& form = window_->Form();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form)) qWarning("window not active");
  }

 private slots:
  void onlyTheFourControlsTakeTheFocus() {
    MainWindow& form = window_->Form();
    const QList<QWidget*> stops = {
        ControlOf<QPushButton>(form, "RzBitBtn2"), ControlOf<QPushButton>(form, "RzButton1"),
        ControlOf<ResultsView>(form, "RzListView1"), ControlOf<ParameterPanel>(form, "RzMemo1")};
    for (QWidget* widget : form.findChildren<QWidget*>()) {
      const bool takesFocus = (widget->focusPolicy() & Qt::TabFocus) != 0 ||
                              (widget->focusPolicy() & Qt::ClickFocus) != 0;
      QVERIFY2(takesFocus == stops.contains(widget),
               qPrintable(
                   QString("%1 %2").arg(widget->metaObject()->className(), widget->objectName())));
    }
  }

  void tabGoesRoundTheFourControlsBothWays_data() {
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Tab") << Qt::KeyboardModifiers(Qt::NoModifier);
    QTest::newRow("Shift+Tab") << Qt::KeyboardModifiers(Qt::ShiftModifier);
  }
  void tabGoesRoundTheFourControlsBothWays() {
    QFETCH(Qt::KeyboardModifiers, modifiers);
    MainWindow& form = window_->Form();
    // A window shorter than its content, where a hidden stop would scroll the box.
    form.resize(form.width(), 400);
    QList<QWidget*> cycle = {
        ControlOf<QPushButton>(form, "RzBitBtn2"), ControlOf<QPushButton>(form, "RzButton1"),
        ControlOf<ResultsView>(form, "RzListView1"), ControlOf<ParameterPanel>(form, "RzMemo1"),
        ControlOf<QPushButton>(form, "RzBitBtn2")};
    if (modifiers & Qt::ShiftModifier) std::reverse(cycle.begin(), cycle.end());
    QCOMPARE(QApplication::focusWidget(), ControlOf<QPushButton>(form, "RzBitBtn2"));
    for (qsizetype step = 1; step < cycle.size(); ++step) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
      QCOMPARE(QApplication::focusWidget(), cycle[step]);
    }
  }

  void enterAndSpacePressAFocusedButton_data() {
    QTest::addColumn<bool>("exportButton");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    for (const bool exportButton : {false, true}) {
      const char* button = exportButton ? "export" : "load";
      QTest::addRow("%s, Enter", button)
          << exportButton << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::NoModifier);
      QTest::addRow("%s, keypad Enter", button)
          << exportButton << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier);
      QTest::addRow("%s, Space", button)
          << exportButton << int(Qt::Key_Space) << Qt::KeyboardModifiers(Qt::NoModifier);
    }
  }
  void enterAndSpacePressAFocusedButton() {
    QFETCH(bool, exportButton);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    MainWindow& form = window_->Form();
    QWidget* button = ControlOf<QPushButton>(form, "RzButton1");
    FileDialogUser* dialog = &window_->OpenDialog();
    if (exportButton) {
      window_->LoadThroughButton(KVL_SAMPLE_REPORT);
      ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 0);
      button = ControlOf<QPushButton>(form, "RzBitBtn2");
      dialog = &window_->SaveDialog();
    }
    const qsizetype shown = dialog->Proposed().size();
    button->setFocus();
    dialog->Cancel();
    QTest::keyClick(button, Qt::Key(key), modifiers);
    QCOMPARE(dialog->Proposed().size(), shown + 1);
  }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
