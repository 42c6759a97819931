#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableView>
#include <QTest>

#include <ui/comparison/ComparisonChart.h>
#include <ui/comparison/ComparisonTexts.h>
#include <ui/comparison/ComparisonWindow.h>
#include <ui/comparison/JoinedPassesModel.h>
#include <ui/encoding/AnsiText.h>
#include <ui/mainwindow/LoadedReport.h>

#include "UserActions.h"
#include "WindowTest.h"

using namespace kvl::core;
using namespace kvl::ui;

namespace {

QString DataFile(const char* name) {
  return QString::fromStdString(DataPath(name));
}

QString ExpectedText(const char* name) {
  QFile file(DataFile(name));
  if (!file.open(QIODevice::ReadOnly)) qFatal("no expected file %s", name);
  return QString::fromUtf8(file.readAll());
}

// The table as tab-separated lines, its captions first (their lines joined by blanks), in the order
// its rows stand.
QString TableText(const QTableView& table) {
  const QAbstractItemModel& model = *table.model();
  QString text;
  for (int row = -1; row < model.rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < model.columnCount(); ++column) {
      cells.append(row < 0
                       ? model.headerData(column, Qt::Horizontal).toString().replace(u'\n', u' ')
                       : model.data(model.index(row, column)).toString());
    }
    text += cells.join(u'\t') + u'\n';
  }
  return text;
}

QList<int> PassColumn(const QTableView& table) {
  QList<int> passes;
  for (int row = 0; row < table.model()->rowCount(); ++row) {
    passes.append(table.model()->data(table.model()->index(row, 0)).toInt());
  }
  return passes;
}

void ClickTableHeader(QTableView& table, int column) {
  QHeaderView* header = table.horizontalHeader();
  const QPoint point(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                     header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, point);
}

void ClickTableRow(QTableView& table, int row) {
  const QModelIndex index = table.model()->index(row, 0);
  table.scrollTo(index);
  QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, table.visualRect(index).center());
}

// Clicks the point of `series` at `point` where the chart draws it.
void ClickPoint(ComparisonChart& chart, QScatterSeries& series, const QPointF& point) {
  const QPointF inChart = chart.chart()->mapToPosition(point, &series);
  const QPoint inView = chart.mapFromScene(chart.chart()->mapToScene(inChart));
  QTest::mouseClick(chart.viewport(), Qt::LeftButton, {}, inView);
}

QString PanelText(MainWindow& form) {
  return ControlOf<ParameterPanel>(form, "RzMemo1")->Text();
}

QString ParamsOf(const QString& a, const QString& b) {
  return QStringLiteral(u"A=%1\r\nB=%2\r\nLots=0.10\r\nComment=Тест\r\n").arg(a, b);
}

}  // namespace

// The comparison of the loaded report with another one, opened from the results list's menu:
// compare-base.htm with compare-oos.htm, which join on five passes.
class ComparisonTest : public WindowTest {
  Q_OBJECT

 protected:
  void PrepareWindow() override { window_->LoadThroughButton(DataFile("compare-base.htm")); }

 private slots:
  void theMenuOpensTheComparisonOfTheChosenReport() {
    MainWindow& form = window_->Form();
    const QRect mainPlace = form.geometry();
    ComparisonWindow& shown = Compared();
    QVERIFY(shown.isVisible());
    QVERIFY(shown.isWindow());
    QVERIFY(!shown.isModal());
    QCOMPARE(shown.windowTitle(), QStringLiteral(u"Сравнение с отчётом"));
    QCOMPARE(shown.Summary->text() + u'\n', ExpectedText("compare-base-oos-summary.txt"));
    QCOMPARE(TableText(*shown.Table).split(u'\n'),
             ExpectedText("compare-base-oos-table.tsv").split(u'\n'));
    QCOMPARE(shown.Chart->Passes()->count(), 5);
    QCOMPARE(shown.Chart->Passes()->at(3), QPointF(300, 40));
    // The diagonal spans the profits of both reports.
    QCOMPARE(shown.Chart->Diagonal()->points(), (QList<QPointF>{{-50, -50}, {300, 300}}));
    QCOMPARE(shown.Chart->Chosen()->count(), 0);
    // The main window is left as it was.
    QVERIFY(!form.Report().RowChosen());
    QCOMPARE(form.geometry(), mainPlace);
    QCOMPARE(window_->OpenDialog().Proposed().size(), 2);
  }

  // The pass chosen keeps its own place, and a point chooses the pass it stands for.
  void manyPassesShowOnePointPerCellOfThePlot() {
    MainWindow& form = window_->Form();
    const int passes = ComparisonChart::kMostPoints + 1000;
    std::vector<std::vector<std::string>> figures;
    for (int k = 1; k <= passes; ++k)
      figures.push_back({std::to_string(k), "1", "1", "1", "1", "1"});
    const QString report = window_->WriteReport("many.htm", NumberedPasses(figures));
    window_->LoadThroughButton(report);
    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 1499);
    window_->OpenDialog().Confirm(report);
    QVERIFY(ChooseListMenuItem(form, 0, CompareMenuText()));
    ComparisonWindow& shown = *form.Comparison();
    QCOMPARE(shown.Passes->rowCount(), passes);
    const QList<QPointF> points = shown.Chart->Passes()->points();
    QCOMPARE(points.size(), ComparisonChart::kThinningCells);
    for (const QPointF& point : points) QCOMPARE(point.x(), point.y());
    QCOMPARE(shown.Chart->chart()->title(), ThinnedPointsText(ComparisonChart::kThinningCells));
    QCOMPARE(shown.Chart->Chosen()->points(), QList<QPointF>{QPointF(1500, 1500)});

    ClickPoint(*shown.Chart, *shown.Chart->Passes(), points[1]);
    QCOMPARE(form.Report().ChosenPass(), PassNumber{static_cast<std::size_t>(points[1].x())});
    QCOMPARE(shown.Chart->Chosen()->points(), QList<QPointF>{points[1]});
  }

  // The same report on both sides: every pass matches itself, but the one whose inputs do not
  // read and the one that repeats another's are left out, and the summary says so.
  void passesLeftOutOfTheJoinAreCounted() {
    MainWindow& form = window_->Form();
    std::vector<GeneratedPass> passes = NumberedPasses({{"1.00", "1", "1", "1", "1", "1"},
                                                        {"2.00", "1", "1", "1", "1", "1"},
                                                        {"3.00", "1", "1", "1", "1", "1"},
                                                        {"4.00", "1", "1", "1", "1", "1"}});
    passes[2].title = "broken";
    passes[3].title = passes[0].title;
    const QString report = window_->WriteReport("odd.htm", passes);
    window_->LoadThroughButton(report);
    window_->OpenDialog().Confirm(report);
    QVERIFY(ChooseListMenuItem(form, 0, CompareMenuText()));
    ComparisonWindow& shown = *form.Comparison();
    QCOMPARE(PassColumn(*shown.Table), (QList<int>{1, 2}));
    QVERIFY2(shown.Summary->text().contains(QStringLiteral(
                 u"Не сопоставлялись: проходы с нечитаемыми параметрами — 1 в «odd», "
                 u"1 в «odd (2)»; повторы входов уже встреченного прохода — 1 в «odd», 1 "
                 u"в «odd (2)».")),
             qPrintable(shown.Summary->text()));
  }

  void reportsWithoutAMatchShowAnEmptyComparison() {
    MainWindow& form = window_->Form();
    const QString other = window_->WriteReport(
        "elsewhere.htm",
        {{"1", "A=9; B=9; Lots=0.10; Comment=x; ", "5.00", "1", "1", "1", "1", "1"}});
    window_->OpenDialog().Confirm(other);
    QVERIFY(ChooseListMenuItem(form, 0, CompareMenuText()));
    ComparisonWindow& shown = *form.Comparison();
    QCOMPARE(shown.Passes->rowCount(), 0);
    QCOMPARE(shown.Chart->Passes()->count(), 0);
    const QStringList summary = shown.Summary->text().split(u'\n');
    QCOMPARE(summary.mid(1, 2),
             (QStringList{
                 QStringLiteral(u"Сопоставлено проходов: 0 (в «compare-base» 6, в «elsewhere» 1)."),
                 QStringLiteral(u"Без пары: 6 в «compare-base», 1 в «elsewhere».")}));
    QVERIFY(summary.contains(
        QStringLiteral(u"Лучшей десятой части нет: нет сопоставленных проходов.")));
    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 0);
    QCOMPARE(shown.Chart->Chosen()->count(), 0);
  }

  // A third report joins only the passes that all three share; the chart shows either other
  // report's profit up, with the chosen pass marked in both.
  void aFurtherReportJoinsTheComparison() {
    MainWindow& form = window_->Form();
    ComparisonWindow& first = Compared();
    QVERIFY(!first.OtherBox->isVisible());
    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 3);
    // As compare-base.htm writes them, in the ANSI code page.
    auto pass = [](const char* number, const char* ab, const char* profit) -> GeneratedPass {
      const std::string title = QStringToAnsi(
          QStringLiteral(u"%1; Lots=0.10; Comment=Тест; ").arg(QString::fromLatin1(ab)));
      return {number, title, profit, "1", "1", "1", "1", "1"};
    };
    const QString third = window_->WriteReport(
        "third.htm", {pass("1", "A=1; B=10", "7.00"), pass("2", "A=1; B=20", "-3.00"),
                      pass("3", "A=2; B=20", "9.00")});
    window_->OpenDialog().Confirm(third);
    QTest::mouseClick(first.AddButton, Qt::LeftButton);
    QTRY_VERIFY(form.Comparison() != &first);
    ComparisonWindow& shown = *form.Comparison();
    QVERIFY(QTest::qWaitForWindowExposed(&shown));

    QCOMPARE(PassColumn(*shown.Table), (QList<int>{1, 4, 5}));
    QCOMPARE(shown.Passes->columnCount(), 13);
    QCOMPARE(shown.Passes->headerData(12, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral(u"Эффективность\nthird"));
    QVERIFY(shown.Summary->text().contains(
        QStringLiteral(u"«third»: Лучшая десятая часть «compare-base» по прибыли: в «third» "
                       u"прибыльны 0 из 1 (0%).")));
    QVERIFY(shown.OtherBox->isVisible());
    QCOMPARE(shown.Chart->Passes()->points(), (QList<QPointF>{{100, 20}, {300, 40}, {50, 30}}));
    QVERIFY(ChooseItem(*shown.OtherBox, "third"));
    QCOMPARE(shown.Chart->Passes()->points(), (QList<QPointF>{{100, 7}, {300, -3}, {50, 9}}));
    QCOMPARE(shown.Chart->Chosen()->points(), QList<QPointF>{QPointF(300, -3)});
  }

  void aFurtherReportWithoutACommonInputLeavesTheComparison() {
    ComparisonWindow& shown = Compared();
    window_->OpenDialog().Confirm(
        window_->WriteReport("pq.htm", NumberedPasses({{"1.00", "1", "1", "1", "1", "1"}})));
    QTest::mouseClick(shown.AddButton, Qt::LeftButton);
    QCOMPARE(window_->WarningBoxes().TakeTexts().size(), 1);
    QCOMPARE(window_->Form().Comparison(), &shown);
    QCOMPARE(shown.Passes->rowCount(), 5);
  }

  // As the tester saves every report: under the same name, in different folders.
  void reportsOfTheSameNameAreToldApart() {
    QDir(window_->Folder()).mkdir(QStringLiteral("later"));
    const QString other =
        window_->WriteFile("later/compare-base.htm", ReadBytes(DataPath("compare-oos.htm")));
    window_->OpenDialog().Confirm(other);
    QVERIFY(ChooseListMenuItem(window_->Form(), 0, CompareMenuText()));
    ComparisonWindow& shown = *window_->Form().Comparison();
    QCOMPARE(shown.Passes->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral(u"Прибыль\ncompare-base (2)"));
    QVERIFY(shown.Summary->text().contains(QStringLiteral(u"в «compare-base (2)» 6")));
  }

  void aSecondComparisonReplacesTheFirst() {
    QPointer<ComparisonWindow> first = &Compared();
    ComparisonWindow& second = Compared();
    QTRY_VERIFY(first.isNull());
    QVERIFY(second.isVisible());
  }

  void withoutAReportNothingCanBeCompared() {
    MainWindow empty;
    int showings = 0;
    empty.OpenDialog().Chooser = [&showings](FileDialog&) { return ++showings < 0; };
    empty.show();
    QVERIFY(!ChooseListMenuItem(empty, 0, CompareMenuText()));
    QCOMPARE(showings, 0);
  }

  void aHeaderClickSortsByTheNumbersWithEmptyCellsLast_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QList<int>>("passes");
    QTest::newRow("other profit, largest first") << QList<int>{2} << QList<int>{4, 5, 1, 3, 2};
    QTest::newRow("worst profit") << QList<int>{7} << QList<int>{4, 5, 1, 2, 3};
    QTest::newRow("efficiency") << QList<int>{8} << QList<int>{5, 1, 4, 2, 3};
    QTest::newRow("efficiency, smallest first") << QList<int>{8, 8} << QList<int>{2, 4, 1, 5, 3};
    QTest::newRow("pass, back from another order") << QList<int>{2, 0} << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("pass, largest first") << QList<int>{0} << QList<int>{5, 4, 3, 2, 1};
  }
  void aHeaderClickSortsByTheNumbersWithEmptyCellsLast() {
    QFETCH(QList<int>, clicks);
    QFETCH(QList<int>, passes);
    ComparisonWindow& shown = Compared();
    for (const int column : clicks) ClickTableHeader(*shown.Table, column);
    QCOMPARE(PassColumn(*shown.Table), passes);
  }

  void aRowClickChoosesItsPassInTheMainWindowForTheExport() {
    MainWindow& form = window_->Form();
    ComparisonWindow& shown = Compared();
    ClickTableHeader(*shown.Table, 2);
    ClickTableRow(*shown.Table, 0);
    QCOMPARE(PanelText(form), ParamsOf("1", "20"));
    QCOMPARE(form.Report().ChosenPass(), PassNumber{4});
    QCOMPARE(shown.Chart->Chosen()->points(), QList<QPointF>{QPointF(300, 40)});
    ResultsView& list = *ControlOf<ResultsView>(form, "RzListView1");
    QCOMPARE(list.model()->data(list.model()->index(list.SelectedRow(), 0)).toString(), "4");

    window_->SaveDialog().Confirm();
    QTest::mouseClick(ControlOf<QPushButton>(form, "RzBitBtn2"), Qt::LeftButton);
    QCOMPARE(window_->SaveDialog().Proposed(), QStringList("4"));
    QCOMPARE(window_->ReadFile("4.set"), QStringToAnsi(ParamsOf("1", "20")));

    // The row already chosen chooses its pass again, as the main list's rows do.
    ClickTableRow(*shown.Table, 0);
    QCOMPARE(PanelText(form), ParamsOf("1", "20"));
  }

  void aClickOnAPointChoosesItsPass() {
    MainWindow& form = window_->Form();
    ComparisonWindow& shown = Compared();
    ClickPoint(*shown.Chart, *shown.Chart->Passes(), QPointF(200, -10));
    QCOMPARE(form.Report().ChosenPass(), PassNumber{2});
    QCOMPARE(PanelText(form), ParamsOf("2", "10"));
    QCOMPARE(shown.Chart->Chosen()->points(), QList<QPointF>{QPointF(200, -10)});
    QCOMPARE(shown.Passes->BasePassAt(shown.Table->currentIndex().row()), 2U);
  }

  void aPassChosenInTheMainListIsMarkedWhereItIsJoined() {
    MainWindow& form = window_->Form();
    ComparisonWindow& shown = Compared();
    ResultsView& list = *ControlOf<ResultsView>(form, "RzListView1");
    ClickRow(list, 4);
    QCOMPARE(shown.Chart->Chosen()->points(), QList<QPointF>{QPointF(50, 30)});
    QCOMPARE(shown.Passes->BasePassAt(shown.Table->currentIndex().row()), 5U);
    // Pass 6 has no match: nothing is marked, nothing selected.
    ClickRow(list, 5);
    QCOMPARE(shown.Chart->Chosen()->count(), 0);
    QVERIFY(!shown.Table->selectionModel()->hasSelection());
    QCOMPARE(PanelText(form), ParamsOf("3", "20"));
  }

  // Its passes belong to the report that the load replaced.
  void aNewLoadInTheMainWindowClosesTheComparison() {
    MainWindow& form = window_->Form();
    Compared();
    window_->LoadThroughButton(DataFile("compare-oos.htm"));
    QTRY_VERIFY(form.Comparison() == nullptr);
  }

  void aCancelledDialogOpensNoComparison() {
    window_->OpenDialog().Cancel();
    QVERIFY(ChooseListMenuItem(window_->Form(), 0, CompareMenuText()));
    QVERIFY(window_->Form().Comparison() == nullptr);
  }

  void reportsThatCannotBeComparedAreRefusedWithAWarning_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("warning");
    QTest::newRow("no input in common")
        << "pq.htm"
        << QStringLiteral(
               u"У отчётов «compare-base» и «pq» нет общих входных параметров: проходы "
               u"не с чем сопоставить.\nПараметры только одного из отчётов: A, B, "
               u"Lots, Comment, P, Q.");
    QTest::newRow("no results table")
        << "empty.htm" << QStringLiteral(u"В файле «%1» нет таблицы результатов оптимизации.");
    QTest::newRow("no such file")
        << "missing.htm"
        << QStringLiteral(
               u"Не удалось прочитать отчёт «%1».\nCannot open file \"%1\". No such "
               u"file or directory.");
  }
  void reportsThatCannotBeComparedAreRefusedWithAWarning() {
    QFETCH(QString, name);
    QFETCH(QString, warning);
    window_->WriteReport("pq.htm", NumberedPasses({{"1.00", "1", "1", "1", "1", "1"}}));
    window_->WriteFile("empty.htm", "<html></html>\r\n");
    const QString path = window_->Path(name);
    window_->OpenDialog().Confirm(path);
    QVERIFY(ChooseListMenuItem(window_->Form(), 0, CompareMenuText()));
    QCOMPARE(window_->WarningBoxes().TakeTexts(),
             QStringList(warning.contains(u"%1") ? warning.arg(QDir::toNativeSeparators(path))
                                                 : warning));
    QVERIFY(window_->Form().Comparison() == nullptr);
  }

 private:
  ComparisonWindow& Compared() {
    window_->OpenDialog().Confirm(DataFile("compare-oos.htm"));
    if (!ChooseListMenuItem(window_->Form(), 0, CompareMenuText())) qFatal("no menu item");
    ComparisonWindow* shown = window_->Form().Comparison();
    if (shown == nullptr) qFatal("no comparison window");
    if (!QTest::qWaitForWindowExposed(shown)) qWarning("comparison not exposed");
    return *shown;
  }
};

QTEST_MAIN(ComparisonTest)
#include "ComparisonTest.moc"
