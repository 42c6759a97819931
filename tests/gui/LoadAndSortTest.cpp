#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

#include <ui/mainwindow/LoadedReport.h>
#include <ui/widgets/ParameterPanel.h>

#include "ReportText.h"
#include "TestFiles.h"
#include "UserActions.h"
#include "WindowTest.h"

using namespace kvl::core;
using namespace kvl::ui;

namespace {

// Four passes whose figures order differently in every column, and differently as numbers
// than as texts.
const std::vector<std::vector<std::string>> kFigures = {
    {"3.00", "9", "1.5", "0.5", "100.00", "1.00"},
    {"-5.00", "10", "0.75", "-2.25", "20.00", "12.50"},
    {"10.50", "2", "2.00", "1e1", "5", "0.10"},
    {"9", "100", "1.10", "3", "250.5", "9.99"},
};

QStringList Reversed(QStringList texts) {
  std::reverse(texts.begin(), texts.end());
  return texts;
}

}  // namespace

class LoadAndSortTest : public WindowTest {
  Q_OBJECT

 protected:
  void PrepareWindow() override {
    report_ = window_->WriteReport("four.htm", NumberedPasses(kFigures));
  }

 private slots:
  void loadCancelAndReload() {
    MainWindow& form = window_->Form();
    QCOMPARE(ControlOf<ResultsView>(form, "RzListView1")->model()->rowCount(), 0);

    window_->LoadThroughButton(report_);
    QCOMPARE(ColumnTexts(*ControlOf<ResultsView>(form, "RzListView1"), 0),
             QStringList({"1", "2", "3", "4"}));
    QCOMPARE(ColumnTexts(*ControlOf<ResultsView>(form, "RzListView1"), 1),
             QStringList({"3.00", "-5.00", "10.50", "9"}));
    QCOMPARE(ColumnTexts(*ControlOf<ResultsView>(form, "RzListView1"), 6),
             QStringList({"1.00", "12.50", "0.10", "9.99"}));

    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 2);
    window_->OpenDialog().Cancel();
    QTest::mouseClick(ControlOf<QPushButton>(form, "RzButton1"), Qt::LeftButton);
    QCOMPARE(window_->OpenDialog().Proposed().size(), 2);
    QCOMPARE(ColumnTexts(*ControlOf<ResultsView>(form, "RzListView1"), 0),
             QStringList({"1", "2", "3", "4"}));
    QCOMPARE(ControlOf<ResultsView>(form, "RzListView1")->SelectedRow(), 2);

    window_->LoadThroughButton(report_);
    QCOMPARE(ControlOf<ResultsView>(form, "RzListView1")->model()->rowCount(), 4);
  }

  void aFileWithoutResultsKeepsTheListAndSaysSo_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\xFF\xFE\0\x01", 20);
    QTest::newRow("page without the results header") << QByteArray(
        "<html><body><table>\r\n<tr><td>1</td><td>2.00</td></tr>\r\n"
        "</table></body></html>\r\n");
    QTest::newRow("header without a data row") << QByteArray::fromStdString(ReportText({}));
  }
  void aFileWithoutResultsKeepsTheListAndSaysSo() {
    QFETCH(QByteArray, bytes);
    MainWindow& form = window_->Form();
    ResultsView& list = *ControlOf<ResultsView>(form, "RzListView1");
    window_->LoadThroughButton(report_);
    ClickHeader(list, 1);
    ClickRow(list, 1);
    const QStringList shown = ColumnTexts(list, 0);
    const QString status = ControlOf<QStatusBar>(form, "RzStatusBar1")->currentMessage();
    const QString path = window_->WriteFile("other.htm", bytes.toStdString());

    window_->LoadThroughButton(path);

    QCOMPARE(
        window_->InformationBoxes().Take(),
        QList<ShownBox>(
            {{QString("LoadAndSortTest"),
              QStringLiteral(u"В файле «%1» нет таблицы результатов оптимизации.").arg(path)}}));
    QCOMPARE(ColumnTexts(list, 0), shown);
    QCOMPARE(ColumnTexts(list, 1), QStringList({"10.50", "9", "3.00", "-5.00"}));
    QCOMPARE(list.SelectedRow(), 1);
    QVERIFY(list.header()->isSortIndicatorShown());
    QCOMPARE(ControlOf<QStatusBar>(form, "RzStatusBar1")->currentMessage(), status);
  }

  void anEnglishReportShowsTheRowsOfItsRussianTwin() {
    MainWindow& form = window_->Form();
    ResultsView& list = *ControlOf<ResultsView>(form, "RzListView1");
    const auto shown = [&](const std::string& fixture) {
      window_->LoadThroughButton(QString::fromStdString(DataPath(fixture)));
      QList<QStringList> texts;
      for (int column = 0; column < list.model()->columnCount(); ++column) {
        texts.append(ColumnTexts(list, column));
      }
      ClickRow(list, 7);
      texts.append({ControlOf<ParameterPanel>(form, "RzMemo1")->Text()});
      return texts;
    };
    const QList<QStringList> russian = shown("report-cp1251.htm");
    QCOMPARE(russian.front().size(), 12);
    QCOMPARE(shown("report-english.htm"), russian);
    QVERIFY(window_->InformationBoxes().Take().isEmpty());
  }

  void aNewReportIsShownFromItsFirstRowInFileOrder() {
    MainWindow& form = window_->Form();
    ResultsView& list = *ControlOf<ResultsView>(form, "RzListView1");
    window_->LoadThroughButton(KVL_SAMPLE_REPORT);
    ClickHeader(list, 1);
    list.scrollToBottom();
    QVERIFY(list.verticalScrollBar()->value() > 0);

    window_->LoadThroughButton(KVL_SAMPLE_REPORT);

    QCOMPARE(list.verticalScrollBar()->value(), 0);
    QCOMPARE(list.indexAt(QPoint(1, 1)).row(), 0);
    QVERIFY(!list.header()->isSortIndicatorShown());
  }

  void theHeaderMarksTheLastCompletedSort() {
    MainWindow& form = window_->Form();
    ResultsView& list = *ControlOf<ResultsView>(form, "RzListView1");
    QHeaderView& header = *list.header();
    window_->LoadThroughButton(report_);
    QVERIFY(!header.isSortIndicatorShown());

    const std::pair<int, Qt::SortOrder> clicks[] = {{1, Qt::DescendingOrder},
                                                    {1, Qt::AscendingOrder},
                                                    {2, Qt::DescendingOrder},
                                                    {1, Qt::DescendingOrder}};
    for (const auto& [column, order] : clicks) {
      ClickHeader(list, column);
      QVERIFY(header.isSortIndicatorShown());
      QCOMPARE(header.sortIndicatorSection(), column);
      QCOMPARE(header.sortIndicatorOrder(), order);
    }

    // A sort that fails leaves the rows in no column's order.
    auto figures = kFigures;
    figures[2][1] = "12.0";
    window_->LoadThroughButton(window_->WriteReport("bad.htm", NumberedPasses(figures)));
    ClickHeader(list, 1);
    QVERIFY(header.isSortIndicatorShown());
    ClickHeader(list, 2);
    QCOMPARE(window_->ErrorBoxes().TakeTexts().size(), 1);
    QVERIFY(!header.isSortIndicatorShown());
  }

  void unopenableReportKeepsTheRows() {
    MainWindow& form = window_->Form();
    window_->LoadThroughButton(report_);
    const QString missing = window_->Path("missing.htm");

    window_->LoadThroughButton(missing);

    QCOMPARE(
        window_->ErrorBoxes().TakeTexts(),
        QStringList(QString("Cannot open file \"%1\". No such file or directory.").arg(missing)));
    QCOMPARE(ControlOf<ResultsView>(form, "RzListView1")->model()->rowCount(), 4);
  }

  void headerClicksAlternateThePerColumnDirection_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("largestFirstIndexes");
    QTest::newRow("Индекс") << 0 << QStringList{"4", "3", "2", "1"};
    QTest::newRow("Прибыль") << 1 << QStringList{"3", "4", "1", "2"};
    QTest::newRow("Всего сделок") << 2 << QStringList{"4", "2", "1", "3"};
    QTest::newRow("Прибыльность") << 3 << QStringList{"3", "1", "4", "2"};
    QTest::newRow("Мат. выигрыша") << 4 << QStringList{"3", "4", "1", "2"};
    QTest::newRow("Просадка $") << 5 << QStringList{"4", "1", "2", "3"};
    QTest::newRow("Просадка %") << 6 << QStringList{"2", "4", "1", "3"};
  }
  void headerClicksAlternateThePerColumnDirection() {
    QFETCH(int, column);
    QFETCH(QStringList, largestFirstIndexes);
    MainWindow& form = window_->Form();
    window_->LoadThroughButton(report_);
    ResultsView& list = *ControlOf<ResultsView>(form, "RzListView1");
    const QStringList loaded = ColumnTexts(list, column);
    // Whole rows move: the column's texts follow their pass numbers.
    auto textsFor = [&](const QStringList& indexes) {
      QStringList texts;
      for (const QString& index : indexes) texts.append(loaded[index.toInt() - 1]);
      return texts;
    };

    ClickHeader(list, column);
    QCOMPARE(ColumnTexts(list, 0), largestFirstIndexes);
    QCOMPARE(ColumnTexts(list, column), textsFor(largestFirstIndexes));
    ClickHeader(list, column);
    QCOMPARE(ColumnTexts(list, 0), Reversed(largestFirstIndexes));
    ClickHeader(list, column);
    QCOMPARE(ColumnTexts(list, 0), largestFirstIndexes);
  }

  void sortingTheEmptyListFlipsTheFlagOnly() {
    MainWindow& form = window_->Form();
    ClickHeader(*ControlOf<ResultsView>(form, "RzListView1"), 1);
    QCOMPARE(window_->Form().Report().SortedLargestFirst(1), true);
    QCOMPARE(ControlOf<ResultsView>(form, "RzListView1")->model()->rowCount(), 0);
  }

  void everyColumnKeepsItsOwnDirection() {
    MainWindow& form = window_->Form();
    window_->LoadThroughButton(report_);
    ResultsView& list = *ControlOf<ResultsView>(form, "RzListView1");
    ClickHeader(list, 1);
    ClickHeader(list, 2);
    ClickHeader(list, 1);
    QCOMPARE(ColumnTexts(list, 1), QStringList({"-5.00", "3.00", "9", "10.50"}));
  }

  void sortKeepsSelectionFocusPanelAndRowChosen() {
    MainWindow& form = window_->Form();
    window_->LoadThroughButton(report_);
    ResultsView& list = *ControlOf<ResultsView>(form, "RzListView1");
    ClickRow(list, 1);
    const QString panel = ControlOf<ParameterPanel>(form, "RzMemo1")->Text();

    ClickHeader(list, 1);

    QCOMPARE(list.SelectedRow(), 1);
    QCOMPARE(list.currentIndex().row(), 1);
    QCOMPARE(ControlOf<ParameterPanel>(form, "RzMemo1")->Text(), panel);
    QVERIFY(window_->Form().Report().RowChosen());
    // The row now shows pass 4, and choosing it shows that pass's parameters.
    ClickRow(list, 1);
    QCOMPARE(ControlOf<ParameterPanel>(form, "RzMemo1")->Text(), QString("P=4\r\nQ=40\r\n"));
  }

  void rejectedCellIsNamedAndTheFlagStays_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("message");
    QTest::newRow("integer with a fraction") << 2 << "12.0"
                                             << "''12.0'' is not a valid integer value.";
    QTest::newRow("integer with a trailing blank") << 2 << "12 "
                                                   << "''12 '' is not a valid integer value.";
    QTest::newRow("decimal comma") << 1 << "1,5"
                                   << "'1,5' is not a valid floating point value.";
    QTest::newRow("empty cell") << 6 << ""
                                << "'' is not a valid floating point value.";
  }
  void rejectedCellIsNamedAndTheFlagStays() {
    QFETCH(int, column);
    QFETCH(QString, cell);
    QFETCH(QString, message);
    auto figures = kFigures;
    figures[2][static_cast<std::size_t>(column - 1)] = cell.toStdString();
    const QString report = window_->WriteReport("bad.htm", NumberedPasses(figures));
    MainWindow& form = window_->Form();
    window_->LoadThroughButton(report);

    for (int attempt = 0; attempt < 2; ++attempt) {
      ClickHeader(*ControlOf<ResultsView>(form, "RzListView1"), column);
      QCOMPARE(window_->ErrorBoxes().TakeTexts(), QStringList(message));
      QCOMPARE(window_->Form().Report().SortedLargestFirst(column), false);
    }
    QCOMPARE(ControlOf<ResultsView>(form, "RzListView1")->model()->rowCount(), 4);
  }

 private:
  QString report_;
};

QTEST_MAIN(LoadAndSortTest)
#include "LoadAndSortTest.moc"
