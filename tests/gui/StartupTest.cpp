#include <QDir>
#include <QProcess>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <app/ApplicationEntry.h>
#include <core/Exceptions.h>
#include <ui/mainwindow/MainWindow.h>
#include <ui/messages/ErrorReport.h>

#include "DialogStandIns.h"
#include "TestFiles.h"
#include "WindowFixture.h"

using namespace kvl::core;
using namespace kvl::ui;
using namespace kvl::app;

namespace {

// Runs the whole program life with `arguments` after the program's name; `inspect` sees the
// window once the loop has dealt with what start-up queued, and then the window closes.
int RunProgram(QStringList arguments, const std::function<void(MainWindow&)>& inspect) {
  arguments.prepend(QStringLiteral("StartupTest"));
  std::vector<QByteArray> bytes;
  for (const QString& argument : arguments) bytes.push_back(argument.toLocal8Bit());
  std::vector<char*> argv;
  for (QByteArray& argument : bytes) argv.push_back(argument.data());
  argv.push_back(nullptr);
  return RunApplication(static_cast<int>(bytes.size()), argv.data(), [&](const QString& report) {
    std::unique_ptr<MainWindow> form = CreateMainWindow(report);
    QMetaObject::invokeMethod(
        form.get(),
        [form = form.get(), &inspect] {
          inspect(*form);
          form->close();
        },
        Qt::QueuedConnection);
    return form;
  });
}

}  // namespace

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
    char* argv[] = {program, nullptr};
    RunApplication(1, argv, [&](const QString&) -> std::unique_ptr<QWidget> {
      ++created;
      if (isException) throw EFCreateError("Окно не создано");
      throw 7;
    });
    QCOMPARE(created, 1);
    QCOMPARE(boxes.Take(), QList<ShownBox>({{QString("StartupTest"), text}}));
  }

  void closingTheWindowEndsTheLoop() {
    ShownBoxes boxes(ErrorBoxStandIn);
    bool shown = false;
    QCOMPARE(RunProgram({}, [&](MainWindow& form) { shown = form.isVisible(); }), 0);
    QVERIFY(shown);
    QCOMPARE(boxes.Take(), QList<ShownBox>());
  }

  // A report named on the command line opens as the load button opens it after its dialog.
  void aReportArgumentOpensWithTheWindow_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("errorPath");
    QTest::newRow("the sample report")
        << KVL_SAMPLE_REPORT << 300
        << QStringLiteral(u"Загружен файл sample-report.htm: 300 проходов") << QString();
    QTest::newRow("a missing file")
        << "/nonexistent/report.htm" << 0 << QString() << "/nonexistent/report.htm";
    QTest::newRow("a missing file by a relative name")
        << "missing.htm" << 0 << QString() << QDir::current().absoluteFilePath("missing.htm");
  }
  void aReportArgumentOpensWithTheWindow() {
    QFETCH(QString, argument);
    QFETCH(int, rows);
    QFETCH(QString, status);
    QFETCH(QString, errorPath);
    ShownBoxes boxes(ErrorBoxStandIn);
    int shownRows = -1;
    QString shownStatus;
    bool visible = false;
    RunProgram({argument}, [&](MainWindow& form) {
      shownRows = ControlOf<ResultsView>(form, "RzListView1")->model()->rowCount();
      shownStatus = ControlOf<QStatusBar>(form, "RzStatusBar1")->currentMessage();
      visible = form.isVisible();
    });
    QCOMPARE(shownRows, rows);
    QCOMPARE(shownStatus, status);
    QVERIFY(visible);
    const QList<ShownBox> expected =
        errorPath.isEmpty()
            ? QList<ShownBox>()
            : QList<ShownBox>({{QString("StartupTest"),
                                QString("Cannot open file \"%1\". No such file or directory.")
                                    .arg(errorPath)}});
    QCOMPARE(boxes.Take(), expected);
  }

  // The installed program, run as a user would: help, version and mistakes are answered on the
  // terminal in Russian, and no window opens.
  void theCommandLineIsAnsweredWithoutAWindow_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "kvl-ridavu 1.0\n"
                               << "";
    QTest::newRow("--help") << QStringList{"--help"} << 0
                            << QStringLiteral(u"-v, --version  Показать сведения о версии.") << "";
    QTest::newRow("an unknown option")
        << QStringList{"--bogus"} << 1 << "" << QStringLiteral(u"Неизвестный параметр «bogus»");
    QTest::newRow("two reports") << QStringList{"a.htm", "b.htm"} << 1 << ""
                                 << QStringLiteral(u"Можно открыть только один отчёт, задано: 2.");
  }
  void theCommandLineIsAnsweredWithoutAWindow() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);
    TempDir runtime;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.Path().string()));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KVL_WINDOW_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    const QString shownOut = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString shownErr = QString::fromLocal8Bit(program.readAllStandardError());
    if (out.endsWith(u'\n')) {
      QCOMPARE(shownOut, out);
    } else {
      QVERIFY2(shownOut.contains(out), qPrintable(shownOut));
    }
    QVERIFY2(err.isEmpty() ? shownErr.isEmpty() : shownErr.contains(err), qPrintable(shownErr));
  }
};

QTEST_APPLESS_MAIN(StartupTest)
#include "StartupTest.moc"
