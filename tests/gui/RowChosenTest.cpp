#include <QHeaderView>
#include <QTest>

#include "AnsiText.h"
#include "UserActions.h"
#include "WindowPasses.h"
#include "WindowTest.h"

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
    TFormMain& form = window_->Form();
    QCOMPARE(RowChosen, 0);
    ClickBelowRows(*form.RzListView1);
    QCOMPARE(RowChosen, 1);
    QCOMPARE(form.RzMemo1->Text(), QString());
  }

  void clickingARowShowsItsParametersOnePerLine() {
    TFormMain& form = Loaded(FivePasses());
    form.RzMemo1->SetText("user edits");
    ClickRow(*form.RzListView1, 1);
    QCOMPARE(form.RzMemo1->Text(), ParamsOf(2));
    ClickRow(*form.RzListView1, 1);
    QCOMPARE(form.RzMemo1->Text(), ParamsOf(2));
    QCOMPARE(RowChosen, 1);
  }

  void aClickBelowTheRowsKeepsThePanel() {
    TFormMain& form = Loaded(FivePasses());
    ClickRow(*form.RzListView1, 3);
    ClickBelowRows(*form.RzListView1);
    QCOMPARE(form.RzListView1->ItemIndex(), -1);
    QCOMPARE(form.RzListView1->ItemFocused(), 3);
    QCOMPARE(form.RzMemo1->Text(), ParamsOf(4));
  }

  void upAndDownChooseTheRowTheSelectionReaches() {
    TFormMain& form = Loaded(FivePasses());
    TListView& list = *form.RzListView1;
    ClickRow(list, 2);
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(form.RzMemo1->Text(), ParamsOf(4));
    QTest::keyClick(&list, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(form.RzMemo1->Text(), ParamsOf(5));

    ClickRow(list, 0);
    form.RzMemo1->SetText("edited");
    QTest::keyClick(&list, Qt::Key_Up);
    QCOMPARE(list.ItemIndex(), 0);
    QCOMPARE(form.RzMemo1->Text(), ParamsOf(1));
  }

  void theChosenRowStaysMarkedWhileThePanelHasTheFocus() {
    TFormMain& form = Loaded(FivePasses());
    TListView& list = *form.RzListView1;
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    ClickRow(list, 2);
    form.RzMemo1->setFocus();
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
    TFormMain& form = Loaded(FivePasses());
    TListView& list = *form.RzListView1;
    ClickRow(list, 0);
    form.RzMemo1->SetText("edited");
    for (const Qt::Key key : {Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home, Qt::Key_A}) {
      QTest::keyClick(&list, key);
    }
    QCOMPARE(form.RzMemo1->Text(), QString("edited"));
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
    TFormMain& form =
        Loaded({{"1", QStringToAnsi(params), "1.00", "1", "1.00", "1.00", "1.00", "1.00"}});
    ClickRow(*form.RzListView1, 0);
    QCOMPARE(form.RzMemo1->Text(), panel);
  }

  void anIndexThatIsNoPassNumberKeepsThePanel() {
    TFormMain& form = Loaded(FivePasses());
    OptItems[1].Index = "2a";
    OptItems[2].Index = "6";
    form.RzMemo1->SetText("kept");
    ClickRow(*form.RzListView1, 1);
    QCOMPARE(form.RzMemo1->Text(), QString("kept"));
    ClickRow(*form.RzListView1, 2);
    QCOMPARE(form.RzMemo1->Text(), QString("kept"));
    QCOMPARE(RowChosen, 1);
  }

  void aShorterReloadKeepsThePanelAndTheFlag() {
    TFormMain& form = Loaded(FivePasses());
    ClickRow(*form.RzListView1, 4);
    window_->LoadThroughButton(window_->WriteReport("one.htm", {FivePasses()[0]}));
    QCOMPARE(form.RzListView1->ItemCount(), 1);
    QCOMPARE(form.RzMemo1->Text(), ParamsOf(5));
    QCOMPARE(RowChosen, 1);
  }

 private:
  TFormMain& Loaded(const std::vector<GeneratedPass>& passes) {
    TFormMain& form = window_->Form();
    window_->LoadThroughButton(window_->WriteReport("report.htm", passes));
    return form;
  }
};

QTEST_MAIN(RowChosenTest)
#include "RowChosenTest.moc"
