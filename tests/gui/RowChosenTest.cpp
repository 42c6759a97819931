#include <QHeaderView>
#include <QTest>

#include <ui/encoding/AnsiText.h>
#include <ui/mainwindow/LoadedReport.h>

#include "UserActions.h"
#include "WindowTest.h"

using namespace kvl::core;
using namespace kvl::ui;

namespace {

std::vector<GeneratedPass> FivePasses() {
  std::vector<std::vector<std::string>> figures;
  for (int k = 1; k <= 5; ++k) figures.push_back({std::to_string(k), "1", "1", "1", "1", "1"});
  return NumberedPasses(figures);
}

QString ParamsOf(int pass) {
  return QString("P=%1\r\nQ=%2\r\n").arg(pass).arg(pass * 10);
}

}  // namespace

class RowChosenTest : public WindowTest {
  Q_OBJECT

 private slots:
  void aClickInTheEmptyListOpensTheExportAndShowsNothing() {
    MainWindow& form = window_->Form();
    QVERIFY(!window_->Form().Report().RowChosen());
    ClickBelowRows(*ControlOf<ResultsView>(form, "RzListView1"));
    QVERIFY(window_->Form().Report().RowChosen());
    QCOMPARE(ControlOf<ParameterPanel>(form, "RzMemo1")->Text(), QString());
  }

  void clickingARowShowsItsParametersOnePerLine() {
    MainWindow& form = Loaded(FivePasses());
    ControlOf<ParameterPanel>(form, "RzMemo1")->SetText("user edits");
    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 1);
    QCOMPARE(ControlOf<ParameterPanel>(form, "RzMemo1")->Text(), ParamsOf(2));
    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 1);
    QCOMPARE(ControlOf<ParameterPanel>(form, "RzMemo1")->Text(), ParamsOf(2));
    QVERIFY(window_->Form().Report().RowChosen());
  }

  void aClickBelowTheRowsKeepsThePanel() {
    MainWindow& form = Loaded(FivePasses());
    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 3);
    ClickBelowRows(*ControlOf<ResultsView>(form, "RzListView1"));
    QCOMPARE(ControlOf<ResultsView>(form, "RzListView1")->SelectedRow(), -1);
    QCOMPARE(ControlOf<ResultsView>(form, "RzListView1")->currentIndex().row(), 3);
    QCOMPARE(ControlOf<ParameterPanel>(form, "RzMemo1")->Text(), ParamsOf(4));
  }

  void upAndDownChooseTheRowTheSelectionReaches() {
    MainWindow& form = Loaded(FivePasses());
    ResultsView& list = *ControlOf<ResultsView>(form, "RzListView1");
    ClickRow(list, 2);
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(ControlOf<ParameterPanel>(form, "RzMemo1")->Text(), ParamsOf(4));
    QTest::keyClick(&list, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(ControlOf<ParameterPanel>(form, "RzMemo1")->Text(), ParamsOf(5));

    ClickRow(list, 0);
    ControlOf<ParameterPanel>(form, "RzMemo1")->SetText("edited");
    QTest::keyClick(&list, Qt::Key_Up);
    QCOMPARE(list.SelectedRow(), 0);
    QCOMPARE(ControlOf<ParameterPanel>(form, "RzMemo1")->Text(), ParamsOf(1));
  }

  void theChosenRowStaysMarkedWhileThePanelHasTheFocus() {
    MainWindow& form = Loaded(FivePasses());
    ResultsView& list = *ControlOf<ResultsView>(form, "RzListView1");
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    ClickRow(list, 2);
    ControlOf<ParameterPanel>(form, "RzMemo1")->setFocus();
    QVERIFY(!list.hasFocus());

    // Beside the texts, at the right end of the last column.
    const int x = list.header()->sectionViewportPosition(6) + list.header()->sectionSize(6) - 3;
    const QImage rows = list.viewport()->grab().toImage();
    auto colourOfRow = [&](int row) {
      return QColor(rows.pixel(x, list.visualRect(list.model()->index(row, 0)).center().y()));
    };
    QCOMPARE(colourOfRow(1), colourOfRow(3));
    QVERIFY2(colourOfRow(2) != colourOfRow(1), qPrintable(colourOfRow(2).name()));
  }

  void otherKeysLeaveThePanel() {
    MainWindow& form = Loaded(FivePasses());
    ResultsView& list = *ControlOf<ResultsView>(form, "RzListView1");
    ClickRow(list, 0);
    ControlOf<ParameterPanel>(form, "RzMemo1")->SetText("edited");
    for (const Qt::Key key : {Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home, Qt::Key_A}) {
      QTest::keyClick(&list, key);
    }
    QCOMPARE(ControlOf<ParameterPanel>(form, "RzMemo1")->Text(), QString("edited"));
  }

  void theLastLineOfTheCellIsRemoved_data() {
    QTest::addColumn<QString>("params");
    QTest::addColumn<QString>("panel");
    QTest::newRow("every parameter ends in ';'") << "A=1; B=2; "
                                                 << "A=1\r\nB=2\r\n";
    QTest::newRow("last parameter without ';' goes with the rest") << "A=1; B=2"
                                                                   << "A=1\r\n";
    QTest::newRow("no ';' at all") << "A=1"
                                   << "";
    QTest::newRow("Cyrillic value") << "Имя=Тест; "
                                    << "Имя=Тест\r\n";
  }
  void theLastLineOfTheCellIsRemoved() {
    QFETCH(QString, params);
    QFETCH(QString, panel);
    MainWindow& form =
        Loaded({{"1", QStringToAnsi(params), "1.00", "1", "1.00", "1.00", "1.00", "1.00"}});
    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 0);
    QCOMPARE(ControlOf<ParameterPanel>(form, "RzMemo1")->Text(), panel);
  }

  void aShorterReloadKeepsThePanelAndTheFlag() {
    MainWindow& form = Loaded(FivePasses());
    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 4);
    window_->LoadThroughButton(window_->WriteReport("one.htm", {FivePasses()[0]}));
    QCOMPARE(ControlOf<ResultsView>(form, "RzListView1")->model()->rowCount(), 1);
    QCOMPARE(ControlOf<ParameterPanel>(form, "RzMemo1")->Text(), ParamsOf(5));
    QVERIFY(window_->Form().Report().RowChosen());
  }

 private:
  MainWindow& Loaded(const std::vector<GeneratedPass>& passes) {
    MainWindow& form = window_->Form();
    window_->LoadThroughButton(window_->WriteReport("report.htm", passes));
    return form;
  }
};

QTEST_MAIN(RowChosenTest)
#include "RowChosenTest.moc"
