#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QStatusBar>
#include <QTest>
#include <QUrl>

#include "WindowTest.h"

using namespace kvl::ui;

namespace {

// Drags `data` onto `target` and drops it there, as the window system delivers a drop.
void DragAndDrop(QWidget& target, QMimeData& data) {
  const QPoint centre = target.rect().center();
  QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&target, &enter);
  QDragMoveEvent move(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&target, &move);
  QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&target, &drop);
  // The load runs once the drop is over.
  QCoreApplication::processEvents();
}

enum class Target { List, Panel };

}  // namespace

// A report dropped on the window loads as the load button loads it after its dialog.
class DropTest : public WindowTest {
  Q_OBJECT

 private slots:
  void theWindowTakesDrops() { QVERIFY(window_->Form().acceptDrops()); }

  void aDroppedReportFileLoads_data() {
    QTest::addColumn<Target>("target");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("error");
    QTest::newRow("a report on the list")
        << Target::List << QStringList{"two.htm"} << QString() << 2 << QString();
    QTest::newRow("a report on the panel, which keeps its text")
        << Target::Panel << QStringList{"two.htm"} << QString() << 2 << QString();
    QTest::newRow("a missing file: the file-open error")
        << Target::List << QStringList{"missing.htm"} << QString() << 0
        << "Cannot open file \"%1\". No such file or directory.";
    QTest::newRow("two files: ignored")
        << Target::List << QStringList{"two.htm", "two.htm"} << QString() << 0 << QString();
    QTest::newRow("a web address: ignored")
        << Target::List << QStringList{"https://example.org/two.htm"} << QString() << 0
        << QString();
    QTest::newRow("text on the panel: typed in")
        << Target::Panel << QStringList() << "P=1" << 0 << QString();
  }
  void aDroppedReportFileLoads() {
    QFETCH(Target, target);
    QFETCH(QStringList, files);
    QFETCH(QString, text);
    QFETCH(int, rows);
    QFETCH(QString, error);
    MainWindow& form = window_->Form();
    window_->WriteReport("two.htm", NumberedPasses({{"1.00", "1", "1", "1", "1", "1"},
                                                    {"2.00", "2", "2", "2", "2", "2"}}));
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& file : files) {
      urls.append(file.contains(u':') ? QUrl(file) : QUrl::fromLocalFile(window_->Path(file)));
    }
    if (!urls.isEmpty()) data.setUrls(urls);
    if (!text.isNull()) data.setText(text);

    QWidget& onto = target == Target::List
                        ? *ControlOf<ResultsView>(form, "RzListView1")->viewport()
                        : *ControlOf<ParameterPanel>(form, "RzMemo1")->viewport();
    DragAndDrop(onto, data);
    QCOMPARE(ControlOf<ResultsView>(form, "RzListView1")->model()->rowCount(), rows);
    QCOMPARE(ControlOf<ParameterPanel>(form, "RzMemo1")->Text(), text.isNull() ? QString() : text);
    const QStringList errors = window_->ErrorBoxes().TakeTexts();
    QCOMPARE(errors,
             error.isEmpty() ? QStringList() : QStringList(error.arg(urls[0].toLocalFile())));
    if (rows > 0) {
      QCOMPARE(ControlOf<QStatusBar>(form, "RzStatusBar1")->currentMessage(),
               QStringLiteral(u"Загружен файл two.htm: 2 прохода"));
    }
  }
};

QTEST_MAIN(DropTest)
#include "DropTest.moc"
