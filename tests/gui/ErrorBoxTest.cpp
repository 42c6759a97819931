#include <QTest>
#include <new>
#include <stdexcept>

#include <app/Application.h>
#include <core/Exceptions.h>
#include <ui/messages/ErrorReport.h>

#include "WindowTest.h"

using namespace kvl::core;
using namespace kvl::ui;
using namespace kvl::app;

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

class ErrorBoxTest : public WindowTest {
  Q_OBJECT

 private slots:
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
    QTest::newRow("std::bad_alloc") << 2 << ""
                                    << "Out of memory.";
    QTest::newRow("any other object") << 3 << ""
                                      << "";
  }
  void aFailingHandlerShowsOneErrorBoxAndTheWindowGoesOn() {
    QFETCH(int, kind);
    QFETCH(QString, message);
    QFETCH(QString, text);
    GuardEvent([kind, utf8 = message.toStdString()] {
      if (kind == 0) throw EFOpenError(utf8);
      if (kind == 1) throw std::invalid_argument(utf8);
      if (kind == 2) throw std::bad_alloc();
      throw 42;
    });
    // The caption is the executable's name.
    QCOMPARE(window_->ErrorBoxes().Take(), QList<ShownBox>({{QString("ErrorBoxTest"), text}}));
    QVERIFY(window_->Form().isVisible());
  }

  void anAbortIsSilent() {
    GuardEvent([] { throw EAbort("never shown"); });
    QCOMPARE(window_->ErrorBoxes().Take(), QList<ShownBox>());
  }

  void aFailureInsideQtsOwnHandlingIsCaughtByTheApplication() {
    FailingWidget widget;
    QEvent event(QEvent::User);
    QApplication::sendEvent(&widget, &event);
    QCOMPARE(window_->ErrorBoxes().TakeTexts(), QStringList("raised inside Qt."));
  }
};

int main(int argc, char** argv) {
  Application application(argc, argv);
  ErrorBoxTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "ErrorBoxTest.moc"
