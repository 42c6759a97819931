#include <QMessageBox>
#include <QTest>
#include <memory>
#include <stdexcept>

#include "Application.h"
#include "ErrorReport.h"
#include "Exceptions.h"
#include "GuiTestSupport.h"

namespace {

// A widget whose event handling fails the way a handler called from inside Qt would.
class FailingWidget : public QWidget {
 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) throw EConvertError("raised inside Qt");
    return QWidget::event(event);
  }
};

}  // namespace

class ErrorBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { window_ = std::make_unique<WindowFixture>(); }
  void cleanup() { window_.reset(); }

  void aFailingHandlerShowsOneErrorBoxAndTheWindowGoesOn_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("text");
    QTest::newRow("ends in a letter")
        << 0 << QStringLiteral(u"Файл занят") << QStringLiteral(u"Файл занят.");
    QTest::newRow("ends in '!'") << 0 << "Stop!"
                                 << "Stop!";
    QTest::newRow("ends in '/', code 47") << 0 << "a/"
                                          << "a/.";
    QTest::newRow("empty") << 0 << ""
                           << "";
    QTest::newRow("std::exception") << 1 << "bad value"
                                    << "bad value.";
    QTest::newRow("any other object") << 2 << ""
                                      << "";
  }
  void aFailingHandlerShowsOneErrorBoxAndTheWindowGoesOn() {
    QFETCH(int, kind);
    QFETCH(QString, message);
    QFETCH(QString, text);
    const auto box = WhenMessageBoxOpens();
    GuardEvent([kind, utf8 = message.toStdString()] {
      if (kind == 0) throw EFOpenError(utf8);
      if (kind == 1) throw std::invalid_argument(utf8);
      throw 42;
    });
    QVERIFY(box->shown);
    QCOMPARE(box->text, text);
    QCOMPARE(box->title, ApplicationTitle());
    QCOMPARE(box->title, QString("ErrorBoxTest"));
    QCOMPARE(box->icon, int(QMessageBox::Critical));
    QCOMPARE(box->buttonCount, 1);
    QVERIFY(box->okButton);
    QVERIFY(window_->Form().isVisible());
  }

  void anAbortIsSilent() {
    const auto box = WhenMessageBoxOpens();
    GuardEvent([] { throw EAbort("never shown"); });
    QTest::qWait(50);
    QVERIFY(!box->shown);
  }

  void aFailureInsideQtsOwnHandlingIsCaughtByTheApplication() {
    FailingWidget widget;
    const auto box = WhenMessageBoxOpens();
    QEvent event(QEvent::User);
    QApplication::sendEvent(&widget, &event);
    QVERIFY(box->shown);
    QCOMPARE(box->text, QString("raised inside Qt."));
  }

 private:
  std::unique_ptr<WindowFixture> window_;
};

int main(int argc, char** argv) {
  TApplication application(argc, argv);
  ErrorBoxTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "ErrorBoxTest.moc"
