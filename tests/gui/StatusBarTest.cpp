#include <QStatusBar>
#include <QTest>

#include <ui/messages/UserTexts.h>

#include "UserActions.h"
#include "WindowTest.h"

using namespace kvl::core;
using namespace kvl::ui;

class StatusBarTest : public WindowTest {
  Q_OBJECT

 private slots:
  void aPassCountTakesTheRussianPluralOfItsNumber_data() {
    QTest::addColumn<int>("passes");
    QTest::addColumn<QString>("text");
    const QString one = QStringLiteral(u"проход");
    const QString few = QStringLiteral(u"прохода");
    const QString many = QStringLiteral(u"проходов");
    const std::pair<int, QString> cases[] = {
        {1, one},    {2, few},   {4, few},    {5, many},   {11, many},     {12, many},
        {14, many},  {21, one},  {22, few},   {25, many},  {101, one},     {111, many},
        {112, many}, {122, few}, {300, many}, {1001, one}, {120000, many},
    };
    for (const auto& [passes, word] : cases) {
      QTest::addRow("%d", passes) << passes << QString::number(passes) + u' ' + word;
    }
  }
  void aPassCountTakesTheRussianPluralOfItsNumber() {
    QFETCH(int, passes);
    QFETCH(QString, text);
    QCOMPARE(PassCountText(passes), text);
  }

  void aLoadNamesTheFileAndItsPasses() {
    MainWindow& form = window_->Form();
    QCOMPARE(ControlOf<QStatusBar>(form, "RzStatusBar1")->currentMessage(), QString());
    window_->LoadThroughButton(KVL_SAMPLE_REPORT);
    QCOMPARE(ControlOf<QStatusBar>(form, "RzStatusBar1")->currentMessage(),
             QStringLiteral(u"Загружен файл sample-report.htm: 300 проходов"));
    window_->LoadThroughButton(window_->WriteReport(
        QStringLiteral(u"отчёт.htm"), NumberedPasses({{"1.00", "1", "1", "1", "1", "1"}})));
    QCOMPARE(ControlOf<QStatusBar>(form, "RzStatusBar1")->currentMessage(),
             QStringLiteral(u"Загружен файл отчёт.htm: 1 проход"));
  }

  void anExportNamesTheFileWritten() {
    MainWindow& form = window_->Form();
    window_->LoadThroughButton(KVL_SAMPLE_REPORT);
    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 0);
    window_->SaveDialog().Confirm("pass");
    QTest::mouseClick(ControlOf<QPushButton>(form, "RzBitBtn2"), Qt::LeftButton);
    const QString written = QStringLiteral(u"Записан файл ") + window_->Path("pass.set");
    QCOMPARE(ControlOf<QStatusBar>(form, "RzStatusBar1")->currentMessage(), written);

    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 1);
    window_->SaveDialog().Cancel();
    QTest::mouseClick(ControlOf<QPushButton>(form, "RzBitBtn2"), Qt::LeftButton);
    QCOMPARE(ControlOf<QStatusBar>(form, "RzStatusBar1")->currentMessage(), written);
  }
};

QTEST_MAIN(StatusBarTest)
#include "StatusBarTest.moc"
