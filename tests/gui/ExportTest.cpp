#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "UserActions.h"
#include "WindowTest.h"

using namespace kvl::ui;

class ExportTest : public WindowTest {
  Q_OBJECT

 protected:
  void PrepareWindow() override {
    window_->LoadThroughButton(
        window_->WriteReport("report.htm", NumberedPasses({{"1.00", "1", "1", "1", "1", "1"},
                                                           {"2.00", "2", "2", "2", "2", "2"},
                                                           {"3.00", "3", "3", "3", "3", "3"}})));
  }

 private slots:
  void nothingHappensBeforeARowIsChosen() {
    MainWindow& form = window_->Form();
    ControlOf<ParameterPanel>(form, "RzMemo1")->SetText("A=1");
    QTest::mouseClick(ControlOf<QPushButton>(form, "RzBitBtn2"), Qt::LeftButton);
    QCOMPARE(window_->SaveDialog().Proposed(), QStringList());
    QCOMPARE(ControlOf<ParameterPanel>(form, "RzMemo1")->Text(), QString("A=1"));
  }

  void writesThePanelAsTheUserLeftIt() {
    MainWindow& form = window_->Form();
    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 1);
    ParameterPanel& memo = *ControlOf<ParameterPanel>(form, "RzMemo1");
    QTest::keyClick(&memo, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(&memo, "X=1");
    QTest::keyClick(&memo, Qt::Key_Return);
    // "ā" is no letter of the code page; "a" stands in for it.
    TypeText(memo, QStringLiteral(u"Имя=да ā"));

    window_->SaveDialog().Confirm("pass");
    QTest::mouseClick(ControlOf<QPushButton>(form, "RzBitBtn2"), Qt::LeftButton);

    QCOMPARE(window_->ReadFile("pass.set"), std::string("P=2\r\nQ=20\r\nX=1\r\n"
                                                        "\xC8\xEC\xFF=\xE4\xE0 a"));
    QCOMPARE(memo.Text(), QString());
    QVERIFY(window_->Form().Report().RowChosen());
  }

  void theNameEndsInSetOnce_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("proposed pass number kept") << QString() << "2.set";
    QTest::newRow("typed without extension") << "17"
                                             << "17.set";
    QTest::newRow("typed with extension") << "17.set"
                                          << "17.set";
    QTest::newRow("extension in capitals") << "17.SET"
                                           << "17.SET";
    QTest::newRow("another extension") << "17.txt"
                                       << "17.txt.set";
  }
  void theNameEndsInSetOnce() {
    QFETCH(QString, typed);
    QFETCH(QString, written);
    MainWindow& form = window_->Form();
    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 1);

    window_->SaveDialog().Confirm(typed);
    QTest::mouseClick(ControlOf<QPushButton>(form, "RzBitBtn2"), Qt::LeftButton);

    QCOMPARE(window_->SaveDialog().Proposed(), QStringList("2"));
    const QStringList sets = QDir(window_->Folder()).entryList({"*.set", "*.SET"}, QDir::Files);
    QCOMPARE(sets, QStringList{written});
    QCOMPARE(window_->ReadFile(written), std::string("P=2\r\nQ=20\r\n"));
  }

  void cancelKeepsThePanelAndWritesNothing() {
    MainWindow& form = window_->Form();
    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 0);
    ControlOf<ParameterPanel>(form, "RzMemo1")->SetText("P=1\r\nQ=edited\r\n");
    window_->SaveDialog().Cancel();
    QTest::mouseClick(ControlOf<QPushButton>(form, "RzBitBtn2"), Qt::LeftButton);
    QCOMPARE(ControlOf<ParameterPanel>(form, "RzMemo1")->Text(), QString("P=1\r\nQ=edited\r\n"));
    QCOMPARE(QDir(window_->Folder()).entryList({"*.set"}, QDir::Files), QStringList());
    QVERIFY(window_->Form().Report().RowChosen());
  }

  void aSecondExportOfTheEmptiedPanelShowsNoDialogAndKeepsTheFile() {
    MainWindow& form = window_->Form();
    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 2);
    window_->SaveDialog().Confirm("twice");
    QTest::mouseClick(ControlOf<QPushButton>(form, "RzBitBtn2"), Qt::LeftButton);
    QCOMPARE(ControlOf<ParameterPanel>(form, "RzMemo1")->Text(), QString());

    QTest::mouseClick(ControlOf<QPushButton>(form, "RzBitBtn2"), Qt::LeftButton);

    QCOMPARE(window_->SaveDialog().Proposed(), QStringList("3"));
    QCOMPARE(window_->ReadFile("twice.set"), std::string("P=3\r\nQ=30\r\n"));
    QCOMPARE(ControlOf<QStatusBar>(form, "RzStatusBar1")->currentMessage(),
             QStringLiteral(u"Нет параметров для экспорта: выберите проход"));
    QVERIFY(window_->Form().Report().RowChosen());
  }

  // The focused row moves without the panel; the name stays that of the panel's pass.
  void theProposedNameIsThePassThatThePanelShows_data() {
    QTest::addColumn<int>("chosenRow");
    QTest::addColumn<QString>("move");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("Home") << 2 << "Home"
                          << "3";
    QTest::newRow("End") << 0 << "End"
                         << "1";
    QTest::newRow("PageDown") << 0 << "PageDown"
                              << "1";
    QTest::newRow("a sort") << 0 << "sort"
                            << "1";
    QTest::newRow("a new load") << 0 << "load"
                                << "3";
  }
  void theProposedNameIsThePassThatThePanelShows() {
    QFETCH(int, chosenRow);
    QFETCH(QString, move);
    QFETCH(QString, proposed);
    MainWindow& form = window_->Form();
    ResultsView& list = *ControlOf<ResultsView>(form, "RzListView1");
    if (move == "load") ClickHeader(list, 1);  // pass 3 on top
    ClickRow(list, chosenRow);
    QCOMPARE(ColumnTexts(list, 0)[chosenRow], proposed);

    if (move == "sort") {
      ClickHeader(list, 1);
    } else if (move == "load") {
      window_->LoadThroughButton(window_->Path("report.htm"));
    } else {
      const Qt::Key key = move == "Home"  ? Qt::Key_Home
                          : move == "End" ? Qt::Key_End
                                          : Qt::Key_PageDown;
      QTest::keyClick(&list, key);
    }
    QVERIFY(ColumnTexts(list, 0)[list.currentIndex().row()] != proposed);

    window_->SaveDialog().Confirm();
    QTest::mouseClick(ControlOf<QPushButton>(form, "RzBitBtn2"), Qt::LeftButton);

    QCOMPARE(window_->SaveDialog().Proposed(), QStringList(proposed));
    const std::string pass = proposed.toStdString();
    QCOMPARE(window_->ReadFile(proposed + ".set"), "P=" + pass + "\r\nQ=" + pass + "0\r\n");
  }

  void textTypedIntoThePanelOnItsOwnProposesNoName() {
    MainWindow& form = window_->Form();
    ClickBelowRows(
        *ControlOf<ResultsView>(form, "RzListView1"));  // opens the export, fills nothing
    ControlOf<ParameterPanel>(form, "RzMemo1")->SetText("A=1\r\n");
    window_->SaveDialog().Confirm("manual");
    QTest::mouseClick(ControlOf<QPushButton>(form, "RzBitBtn2"), Qt::LeftButton);

    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 1);
    window_->SaveDialog().Confirm();
    QTest::mouseClick(ControlOf<QPushButton>(form, "RzBitBtn2"), Qt::LeftButton);
    ControlOf<ParameterPanel>(form, "RzMemo1")
        ->SetText("B=2\r\n");  // after an export the panel holds no pass
    window_->SaveDialog().Confirm("typed");
    QTest::mouseClick(ControlOf<QPushButton>(form, "RzBitBtn2"), Qt::LeftButton);

    QCOMPARE(window_->SaveDialog().Proposed(), QStringList({"", "2", ""}));
    QCOMPARE(window_->ReadFile("manual.set"), std::string("A=1\r\n"));
    QCOMPARE(window_->ReadFile("typed.set"), std::string("B=2\r\n"));
  }

  void aFileThatCannotBeCreatedIsReportedAndThePanelKept() {
    MainWindow& form = window_->Form();
    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 0);
    const QString target = window_->Path("no-such-folder/x");

    window_->SaveDialog().Confirm(target);
    QTest::mouseClick(ControlOf<QPushButton>(form, "RzBitBtn2"), Qt::LeftButton);

    QCOMPARE(window_->ErrorBoxes().TakeTexts(),
             QStringList(
                 QString("Cannot create file \"%1.set\". No such file or directory.").arg(target)));
    QCOMPARE(ControlOf<ParameterPanel>(form, "RzMemo1")->Text(), QString("P=1\r\nQ=10\r\n"));
  }

  void aWriteThatFailsIsReportedAndThePanelKept() {
    MainWindow& form = window_->Form();
    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 0);
    const QString full = window_->Path("full.set");
    QVERIFY(QFile::link("/dev/full", full));

    window_->SaveDialog().Confirm("full.set");
    QTest::mouseClick(ControlOf<QPushButton>(form, "RzBitBtn2"), Qt::LeftButton);

    QCOMPARE(window_->ErrorBoxes().TakeTexts(),
             QStringList(QString("Cannot write file \"%1\". No space left on device.").arg(full)));
    QCOMPARE(ControlOf<ParameterPanel>(form, "RzMemo1")->Text(), QString("P=1\r\nQ=10\r\n"));
    QVERIFY(window_->Form().Report().RowChosen());
  }
};

QTEST_MAIN(ExportTest)
#include "ExportTest.moc"
