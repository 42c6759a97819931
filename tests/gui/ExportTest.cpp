#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "GuiTestSupport.h"
#include "NativePath.h"
#include "ReportFixture.h"
#include "TestFiles.h"

namespace {

std::vector<GeneratedPass> ThreePasses() {
  return NumberedPasses({{"1.00", "1", "1", "1", "1", "1"},
                         {"2.00", "2", "2", "2", "2", "2"},
                         {"3.00", "3", "3", "3", "3", "3"}});
}

}  // namespace

class ExportTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_ = std::make_unique<WindowFixture>();
    TFormMain& form = window_->Form();
    LoadThroughButton(form, window_->WriteFile("report.htm", ReportText(ThreePasses())));
  }
  void cleanup() { window_.reset(); }

  void nothingHappensBeforeARowIsChosen() {
    TFormMain& form = window_->Form();
    form.RzMemo1->SetText("A=1");
    auto opened = std::make_shared<bool>(false);
    WhenFileDialogOpens([opened](QFileDialog& dialog) {
      *opened = true;
      dialog.reject();
    });
    QTest::mouseClick(form.RzBitBtn2, Qt::LeftButton);
    QTest::qWait(100);
    QVERIFY(!*opened);
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

    TypeInFileDialog(window_->Path(""), "pass");
    QTest::mouseClick(form.RzBitBtn2, Qt::LeftButton);

    QCOMPARE(ReadBytes(NativePath(window_->Path("pass.set"))),
             std::string("P=2\r\nQ=20\r\nX=1\r\n"
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

    TypeInFileDialog(window_->Path(""), typed);
    QTest::mouseClick(form.RzBitBtn2, Qt::LeftButton);

    const QStringList sets = QDir(window_->Path("")).entryList({"*.set", "*.SET"}, QDir::Files);
    QCOMPARE(sets, QStringList{written});
    QCOMPARE(ReadBytes(NativePath(window_->Path(written))), std::string("P=2\r\nQ=20\r\n"));
  }

  void cancelKeepsThePanelAndWritesNothing() {
    TFormMain& form = window_->Form();
    ClickRow(*form.RzListView1, 0);
    form.RzMemo1->SetText("P=1\r\nQ=edited\r\n");
    CancelFileDialog();
    QTest::mouseClick(form.RzBitBtn2, Qt::LeftButton);
    QCOMPARE(form.RzMemo1->Text(), QString("P=1\r\nQ=edited\r\n"));
    QCOMPARE(QDir(window_->Path("")).entryList({"*.set"}, QDir::Files), QStringList());
    QCOMPARE(RowChosen, 1);
  }

  void aSecondExportReplacesTheFileWithAnEmptyOne() {
    TFormMain& form = window_->Form();
    ClickRow(*form.RzListView1, 2);
    for (int round = 0; round < 2; ++round) {
      TypeInFileDialog(window_->Path(""), "twice");
      QTest::mouseClick(form.RzBitBtn2, Qt::LeftButton);
      QCOMPARE(ReadBytes(NativePath(window_->Path("twice.set"))),
               round == 0 ? std::string("P=3\r\nQ=30\r\n") : std::string());
    }
    QVERIFY(QFile::exists(window_->Path("twice.set")));
  }

  void withNoFocusedRowTheNameIsLeftToTheUser() {
    TFormMain& form = window_->Form();
    CancelFileDialog();
    QTest::mouseClick(form.RzButton1, Qt::LeftButton);  // an empty list, no focus mark
    ClickBelowRows(*form.RzListView1);
    QCOMPARE(form.RzListView1->ItemFocused(), -1);
    form.RzMemo1->SetText("A=1\r\n");

    auto proposed = std::make_shared<QString>();
    WhenFileDialogOpens([proposed](QFileDialog& dialog) {
      *proposed = dialog.findChild<QLineEdit*>("fileNameEdit")->text();
      dialog.reject();
    });
    QTest::mouseClick(form.RzBitBtn2, Qt::LeftButton);
    QCOMPARE(*proposed, QString());

    TypeInFileDialog(window_->Path(""), "manual");
    QTest::mouseClick(form.RzBitBtn2, Qt::LeftButton);
    QCOMPARE(ReadBytes(NativePath(window_->Path("manual.set"))), std::string("A=1\r\n"));
  }

  void aFileThatCannotBeCreatedIsReportedAndThePanelKept() {
    TFormMain& form = window_->Form();
    ClickRow(*form.RzListView1, 0);
    const QString target = window_->Path("no-such-folder/x");

    TypeInFileDialog(window_->Path(""), target);
    const auto box = WhenMessageBoxOpens();
    QTest::mouseClick(form.RzBitBtn2, Qt::LeftButton);

    QVERIFY(box->shown);
    QCOMPARE(box->text,
             QString("Cannot create file \"%1.set\". No such file or directory.").arg(target));
    QCOMPARE(form.RzMemo1->Text(), QString("P=1\r\nQ=10\r\n"));
  }

  void aWriteThatFailsIsReportedAndThePanelKept() {
    TFormMain& form = window_->Form();
    ClickRow(*form.RzListView1, 0);
    const QString full = window_->Path("full.set");
    QVERIFY(QFile::link("/dev/full", full));

    TypeInFileDialog(window_->Path(""), "full.set");
    const auto box = WhenMessageBoxOpens();
    QTest::mouseClick(form.RzBitBtn2, Qt::LeftButton);

    QVERIFY(box->shown);
    QCOMPARE(box->text, QString("Cannot write file \"%1\". No space left on device.").arg(full));
    QCOMPARE(form.RzMemo1->Text(), QString("P=1\r\nQ=10\r\n"));
    QCOMPARE(RowChosen, 1);
  }

 private:
  std::unique_ptr<WindowFixture> window_;
};

QTEST_MAIN(ExportTest)
#include "ExportTest.moc"
