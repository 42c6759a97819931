#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QScatterSeries>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>

#include <ui/comparison/ComparisonChart.h>
#include <ui/comparison/ComparisonTexts.h>
#include <ui/comparison/ComparisonWindow.h>
#include <ui/parametermap/MapCanvas.h>
#include <ui/parametermap/ParameterMapWindow.h>
#include <ui/parametermap/ProfileChart.h>

#include "UserActions.h"
#include "WindowFixture.h"

using namespace kvl::core;
using namespace kvl::ui;

// Pictures of the windows with the sample report loaded, sorted by profit and a pass chosen:
// the main window, the parameter map, a profile and the comparison with the sample's later
// period. Written to the folder that KVL_SCREENSHOTS names (scripts/screenshot), else to a
// temporary one.
class ScreenshotTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    window_ = std::make_unique<WindowFixture>();
    MainWindow& form = window_->Form();
    window_->LoadThroughButton(KVL_SAMPLE_REPORT);
    ClickHeader(*ControlOf<ResultsView>(form, "RzListView1"), 1);
    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 2);
    QVERIFY(ControlOf<ParameterPanel>(form, "RzMemo1")->Lines.Count() > 0);
  }

  void cleanup() { window_.reset(); }

  void windowWithASortedReportAndAChosenPass() {
    MainWindow& form = window_->Form();
    // The chosen row is highlighted while the list has the focus, as after a real click.
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    ControlOf<ResultsView>(form, "RzListView1")->setFocus();
    QTest::qWait(50);

    const QString path = Destination("window.png");
    QVERIFY(form.grab().save(path, "PNG"));
    QCOMPARE(QImage(path).size(), QSize(894, 710));
  }

  void parameterMapWithTheChosenPassMarked() {
    ParameterMapWindow& map = OpenedMap();
    QCOMPARE(map.Pages->currentWidget(), map.MapArea);
    QVERIFY(map.Map->Marked().x() >= 0);
    // Wide and tall enough to show the whole grid of the sample report.
    const QSize grid = map.Map->sizeHint();
    map.resize(std::max(map.width(), grid.width() + 40),
               map.height() + grid.height() - map.MapArea->viewport()->height() + 4);
    QTest::qWait(50);
    Save(map, "parameter-map.png");
  }

  void profileOverOneParameter() {
    ParameterMapWindow& map = OpenedMap();
    QVERIFY(ChooseItem(*map.YBox, QStringLiteral(u"—")));
    QCOMPARE(map.Pages->currentWidget(), map.Profile);
    QTest::qWait(50);
    Save(map, "parameter-profile.png");
  }

  // Its table ordered by the worst profit, so that the passes that hold in both periods lead.
  void comparisonWithTheLaterPeriod() {
    MainWindow& form = window_->Form();
    window_->OpenDialog().Confirm(KVL_SAMPLE_LATER_REPORT);
    QVERIFY(ChooseListMenuItem(form, 2, CompareMenuText()));
    ComparisonWindow* shown = form.Comparison();
    QVERIFY(shown != nullptr);
    QCOMPARE(shown->Chart->Chosen()->count(), 1);
    shown->Table->sortByColumn(7, Qt::DescendingOrder);
    shown->Table->scrollToTop();
    QTest::qWait(50);
    Save(*shown, "comparison.png");
  }

 private:
  ParameterMapWindow& OpenedMap() {
    ParameterMapWindow* map = OpenParameterMap(window_->Form(), 2);
    if (map == nullptr) qFatal("no map window");
    return *map;
  }

  QString Destination(const QString& name) const {
    const QString folder = qEnvironmentVariable("KVL_SCREENSHOTS");
    return folder.isEmpty() ? window_->Path(name) : QDir(folder).filePath(name);
  }

  void Save(QWidget& shown, const QString& name) {
    const QString path = Destination(name);
    QVERIFY(shown.grab().save(path, "PNG"));
    QCOMPARE(QImage(path).size(), shown.size());
  }

  std::unique_ptr<WindowFixture> window_;
};

QTEST_MAIN(ScreenshotTest)
#include "ScreenshotTest.moc"
