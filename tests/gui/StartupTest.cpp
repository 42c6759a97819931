#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "ApplicationEntry.h"
#include "Exceptions.h"
#include "GuiTestSupport.h"

// Each case runs the whole program life with a window that fails while it is being created.
class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void aFailingWindowShowsOneBoxAndTheExitCodeIsZero_data() {
    QTest::addColumn<bool>("isException");
    QTest::addColumn<QString>("text");
    QTest::newRow("Exception") << true << QStringLiteral(u"Окно не создано.");
    QTest::newRow("any other object") << false << QString();
  }
  void aFailingWindowShowsOneBoxAndTheExitCodeIsZero() {
    QFETCH(bool, isException);
    QFETCH(QString, text);
    std::shared_ptr<ShownBox> box;
    int created = 0;
    char program[] = "StartupTest";
    const int exitCode = RunApplication(program, [&]() -> std::unique_ptr<QWidget> {
      ++created;
      box = WhenMessageBoxOpens();
      if (isException) throw EFCreateError("Окно не создано");
      throw 7;
    });
    QCOMPARE(exitCode, 0);
    QCOMPARE(created, 1);
    QVERIFY(box && box->shown);
    QCOMPARE(box->text, text);
    QCOMPARE(box->title, QString("StartupTest"));
  }

  void closingTheWindowEndsTheLoopWithCodeZero() {
    char program[] = "StartupTest";
    QWidget* shown = nullptr;
    const int exitCode = RunApplication(program, [&] {
      auto form = std::make_unique<TFormMain>();
      shown = form.get();
      QTimer::singleShot(50, form.get(), &QWidget::close);
      return form;
    });
    QCOMPARE(exitCode, 0);
    QVERIFY(shown != nullptr);
  }
};

QTEST_APPLESS_MAIN(StartupTest)
#include "StartupTest.moc"
