#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>

#include "UserActions.h"
#include "WindowTest.h"

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
    TFormMain& form = window_->Form();
    form.RzMemo1->SetText("A=1");
    QTest::mouseClick(form.RzBitBtn2, Qt::LeftButton);
    QCOMPARE(window_->SaveDialog().Proposed(), QStringList());
    QCOMPARE(form.RzMemo1->Text(), QString("A=1"));
  }

  void writesThePanelAsTheUserLeftIt() {
    TFormMain& form = window_->Form();
    ClickRow(*form.RzListView1, 1);
    TMemo& memo = *form.RzMemo1;
    QTest::keyClick(&memo, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(&memo, "X=1");
    QTest::keyClick(&memo, Qt::Key_Return);
    TypeText(memo, QStringLiteral(u"Имя=да"));

    window_->SaveDialog().Confirm("pass");
    QTest::mouseClick(form.RzBitBtn2, Qt::LeftButton);

    QCOMPARE(window_->ReadFile("pass.set"), std::string("P=2\r\nQ=20\r\nX=1\r\n"
                                                        "\xC8\xEC\xFF=\xE4\xE0"));
    QCOMPARE(memo.Text(), QString());
    QCOMPARE(RowChosen, 1);
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
    TFormMain& form = window_->Form();
    ClickRow(*form.RzListView1, 1);

    window_->SaveDialog().Confirm(typed);
    QTest::mouseClick(form.RzBitBtn2, Qt::LeftButton);

    QCOMPARE(window_->SaveDialog().Proposed(), QStringList("2"));
    const QStringList sets = QDir(window_->Folder()).entryList({"*.set", "*.SET"}, QDir::Files);
    QCOMPARE(sets, QStringList{written});
    QCOMPARE(window_->ReadFile(written), std::string("P=2\r\nQ=20\r\n"));
  }

  void cancelKeepsThePanelAndWritesNothing() {
    TFormMain& form = window_->Form();
    ClickRow(*form.RzListView1, 0);
    form.RzMemo1->SetText("P=1\r\nQ=edited\r\n");
    window_->SaveDialog().Cancel();
    QTest::mouseClick(form.RzBitBtn2, Qt::LeftButton);
    QCOMPARE(form.RzMemo1->Text(), QString("P=1\r\nQ=edited\r\n"));
    QCOMPARE(QDir(window_->Folder()).entryList({"*.set"}, QDir::Files), QStringList());
    QCOMPARE(RowChosen, 1);
  }

  void aSecondExportReplacesTheFileWithAnEmptyOne() {
    TFormMain& form = window_->Form();
    ClickRow(*form.RzListView1, 2);
    for (int round = 0; round < 2; ++round) {
      window_->SaveDialog().Confirm("twice");
      QTest::mouseClick(form.RzBitBtn2, Qt::LeftButton);
      QCOMPARE(window_->ReadFile("twice.set"),
               round == 0 ? std::string("P=3\r\nQ=30\r\n") : std::string());
    }
    QVERIFY(QFile::exists(window_->Path("twice.set")));
  }

  void withNoFocusedRowTheNameIsLeftToTheUser() {
    TFormMain& form = window_->Form();
    window_->OpenDialog().Cancel();
    QTest::mouseClick(form.RzButton1, Qt::LeftButton);  // an empty list, no focus mark
    ClickBelowRows(*form.RzListView1);
    QCOMPARE(form.RzListView1->ItemFocused(), -1);
    form.RzMemo1->SetText("A=1\r\n");

    window_->SaveDialog().Confirm("manual");
    QTest::mouseClick(form.RzBitBtn2, Qt::LeftButton);

    QCOMPARE(window_->SaveDialog().Proposed(), QStringList(QString()));
    QCOMPARE(window_->ReadFile("manual.set"), std::string("A=1\r\n"));
  }

  void aFileThatCannotBeCreatedIsReportedAndThePanelKept() {
    TFormMain& form = window_->Form();
    ClickRow(*form.RzListView1, 0);
    const QString target = window_->Path("no-such-folder/x");

    window_->SaveDialog().Confirm(target);
    QTest::mouseClick(form.RzBitBtn2, Qt::LeftButton);

    QCOMPARE(window_->Boxes().TakeTexts(),
             QStringList(
                 QString("Cannot create file \"%1.set\". No such file or directory.").arg(target)));
    QCOMPARE(form.RzMemo1->Text(), QString("P=1\r\nQ=10\r\n"));
  }

  void aWriteThatFailsIsReportedAndThePanelKept() {
    TFormMain& form = window_->Form();
    ClickRow(*form.RzListView1, 0);
    const QString full = window_->Path("full.set");
    QVERIFY(QFile::link("/dev/full", full));

    window_->SaveDialog().Confirm("full.set");
    QTest::mouseClick(form.RzBitBtn2, Qt::LeftButton);

    QCOMPARE(window_->Boxes().TakeTexts(),
             QStringList(QString("Cannot write file \"%1\". No space left on device.").arg(full)));
    QCOMPARE(form.RzMemo1->Text(), QString("P=1\r\nQ=10\r\n"));
    QCOMPARE(RowChosen, 1);
  }
};

QTEST_MAIN(ExportTest)
#include "ExportTest.moc"
