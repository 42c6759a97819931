#include <QTest>
#include <QTimer>

#include "ApplicationEntry.h"
#include "DialogStandIns.h"
#include "ErrorReport.h"
#include "Exceptions.h"
#include "Main.h"

// Each case runs the whole program life.
class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void aWindowThatFailsWhileBeingCreatedShowsOneBox_data() {
    QTest::addColumn<bool>("isException");
    QTest::addColumn<QString>("text");
    QTest::newRow("Exception") << true << QStringLiteral(u"Окно не создано.");
    QTest::newRow("any other object") << false << QString();
  }
  void aWindowThatFailsWhileBeingCreatedShowsOneBox() {
    QFETCH(bool, isException);
    QFETCH(QString, text);
    ShownBoxes boxes(ErrorBoxStandIn);
    int created = 0;
    char program[] = "StartupTest";
    RunApplication(program, [&]() -> std::unique_ptr<QWidget> {
      ++created;
      if (isException) throw EFCreateError("Окно не создано");
      throw 7;
    });
    QCOMPARE(created, 1);
    QCOMPARE(boxes.Take(), QList<ShownBox>({{QString("StartupTest"), text}}));
  }

  void closingTheWindowEndsTheLoop() {
    ShownBoxes boxes(ErrorBoxStandIn);
    char program[] = "StartupTest";
    QWidget* shown = nullptr;
    RunApplication(program, [&] {
      auto form = std::make_unique<TFormMain>();
      shown = form.get();
      QTimer::singleShot(50, form.get(), &QWidget::close);
      return form;
    });
    QVERIFY(shown != nullptr);
    QCOMPARE(boxes.Take(), QList<ShownBox>());
  }
};

QTEST_APPLESS_MAIN(StartupTest)
#include "StartupTest.moc"
