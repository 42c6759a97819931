#include <QComboBox>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QToolTip>

#include <ui/mainwindow/LoadedReport.h>
#include <ui/parametermap/MapCanvas.h>
#include <ui/parametermap/ParameterMapWindow.h>
#include <ui/parametermap/ProfileChart.h>

#include "UserActions.h"
#include "WindowTest.h"

using namespace kvl::core;
using namespace kvl::ui;

namespace {

// Eleven passes over A (1, 2, 3), B (10, 20) and D (0, 1, 2), with C constant; the cell A=3,
// B=20 holds no pass. Pass 12's parameters do not split into pairs: it stays off the map, and
// its profit, larger than any other, shows nowhere.
std::vector<GeneratedPass> GridPasses() {
  struct Pass {
    const char* title;
    const char* profit;
    const char* drawdown;
  };
  const Pass passes[] = {
      {"A=1; B=10; D=0; C=x; ", "100.00", "30.00"}, {"A=1; B=10; D=1; C=x; ", "-50.00", "80.00"},
      {"A=1; B=10; D=2; C=x; ", "70.00", "20.00"},  {"A=2; B=10; D=0; C=x; ", "300.00", "10.00"},
      {"A=2; B=10; D=1; C=x; ", "200.00", "40.00"}, {"A=3; B=10; D=0; C=x; ", "-120.00", "150.00"},
      {"A=3; B=10; D=1; C=x; ", "-80.00", "90.00"}, {"A=1; B=20; D=0; C=x; ", "40.00", "25.00"},
      {"A=1; B=20; D=1; C=x; ", "60.00", "35.00"},  {"A=2; B=20; D=0; C=x; ", "500.00", "60.00"},
      {"A=2; B=20; D=1; C=x; ", "10.00", "5.00"},   {"broken", "999.00", "1.00"},
  };
  std::vector<GeneratedPass> generated;
  for (const Pass& pass : passes) {
    const std::string number = std::to_string(generated.size() + 1);
    generated.push_back(
        {number, pass.title, pass.profit, "10", "1.50", "1.00", pass.drawdown, "1.00"});
  }
  return generated;
}

// Passes with the titles given, each with a profit of its number.
std::vector<GeneratedPass> PassesTitled(const QStringList& titles) {
  std::vector<GeneratedPass> passes;
  for (const QString& title : titles) {
    const std::string number = std::to_string(passes.size() + 1);
    passes.push_back(
        {number, title.toStdString(), number + ".00", "1", "1.00", "1.00", "1.00", "1.00"});
  }
  return passes;
}

// The map as drawn: "Y \ X: x values" and then "y value: figures", empty cells as "".
QStringList MapTexts(const MapCanvas& map) {
  const MapPicture& picture = map.Picture();
  QStringList lines{picture.yName + " \\ " + picture.xName + ": " + picture.xValues.join(" | ")};
  for (int y = 0; y < picture.yValues.size(); ++y) {
    QStringList figures;
    for (int x = 0; x < picture.xValues.size(); ++x) figures.append(picture.Cell(x, y).figure);
    lines.append(picture.yValues[y] + ": " + figures.join(" | "));
  }
  return lines;
}

QList<QPointF> PointsOf(const QLineSeries& series) {
  return series.points();
}

QColor CellColour(const MapCanvas& map, int x, int y) {
  return map.Image().pixelColor(map.CellRect(x, y).topLeft() + QPoint(3, 3));
}

}  // namespace

class ParameterMapTest : public WindowTest {
  Q_OBJECT

 protected:
  void PrepareWindow() override {
    window_->LoadThroughButton(window_->WriteReport("grid.htm", GridPasses()));
  }

 private slots:
  void theListsMenuOpensOneMapWindow_data() {
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("right button") << false;
    QTest::newRow("Menu key") << true;
  }
  void theListsMenuOpensOneMapWindow() {
    QFETCH(bool, byKeyboard);
    MainWindow& form = window_->Form();
    const QRect mainPlace = form.geometry();
    ParameterMapWindow* map = OpenParameterMap(form, 2, byKeyboard);
    QVERIFY(map != nullptr);
    QVERIFY(map->isVisible());
    QVERIFY(map->isWindow());
    QVERIFY(!map->isModal());
    QCOMPARE(map->windowTitle(), QString("Карта параметров"));
    QCOMPARE(OpenParameterMap(form, 0, byKeyboard), map);
    // The main window is left as it was: no row chosen by the menu, the same place and size.
    QVERIFY(!window_->Form().Report().RowChosen());
    QCOMPARE(form.geometry(), mainPlace);
  }

  void theControlsOfferTheOptimizedParametersColumnsAndAggregates() {
    ParameterMapWindow& map = Opened();
    auto items = [](const QComboBox& box) {
      QStringList texts;
      for (int i = 0; i < box.count(); ++i) texts.append(box.itemText(i));
      return texts;
    };
    QCOMPARE(items(*map.XBox), (QStringList{"A", "B", "D"}));
    QCOMPARE(items(*map.YBox), (QStringList{"—", "A", "B", "D"}));
    QCOMPARE(items(*map.ColumnBox), (QStringList{"Прибыль", "Всего сделок", "Прибыльность",
                                                 "Мат. выигрыша", "Просадка $", "Просадка %"}));
    QCOMPARE(items(*map.AggregateBox),
             (QStringList{"максимум", "среднее", "минимум", "число проходов"}));
    QCOMPARE(map.LeftOutLine->text(),
             QString("На карте: 11 проходов; не вошли: 1 (параметры не разбираются — 1)"));
  }

  void changingAControlRedrawsTheMap_data() {
    QTest::addColumn<QString>("x");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("aggregate");
    QTest::addColumn<QStringList>("drawn");
    QTest::newRow("maximum") << "A"
                             << "B"
                             << "Прибыль"
                             << "максимум"
                             << QStringList{"B \\ A: 1 | 2 | 3", "10: 100.00 | 300.00 | -80.00",
                                            "20: 60.00 | 500.00 | "};
    QTest::newRow("mean") << "A"
                          << "B"
                          << "Прибыль"
                          << "среднее"
                          << QStringList{"B \\ A: 1 | 2 | 3", "10: 40.00 | 250.00 | -100.00",
                                         "20: 50.00 | 255.00 | "};
    QTest::newRow("minimum") << "A"
                             << "B"
                             << "Прибыль"
                             << "минимум"
                             << QStringList{"B \\ A: 1 | 2 | 3", "10: -50.00 | 200.00 | -120.00",
                                            "20: 40.00 | 10.00 | "};
    QTest::newRow("number of passes")
        << "A"
        << "B"
        << "Прибыль"
        << "число проходов" << QStringList{"B \\ A: 1 | 2 | 3", "10: 3 | 2 | 2", "20: 2 | 2 | "};
    QTest::newRow("drawdown") << "A"
                              << "B"
                              << "Просадка $"
                              << "максимум"
                              << QStringList{"B \\ A: 1 | 2 | 3", "10: 80.00 | 40.00 | 150.00",
                                             "20: 35.00 | 60.00 | "};
    QTest::newRow("axes swapped") << "B"
                                  << "A"
                                  << "Прибыль"
                                  << "максимум"
                                  << QStringList{"A \\ B: 10 | 20", "1: 100.00 | 60.00",
                                                 "2: 300.00 | 500.00", "3: -80.00 | "};
    QTest::newRow("another Y") << "A"
                               << "D"
                               << "Прибыль"
                               << "максимум"
                               << QStringList{"D \\ A: 1 | 2 | 3", "0: 100.00 | 500.00 | -120.00",
                                              "1: 60.00 | 200.00 | -80.00", "2: 70.00 |  | "};
  }
  void changingAControlRedrawsTheMap() {
    QFETCH(QString, x);
    QFETCH(QString, y);
    QFETCH(QString, column);
    QFETCH(QString, aggregate);
    QFETCH(QStringList, drawn);
    ParameterMapWindow& map = Opened();
    // Y first: X and Y may not stand on one parameter on the way.
    QVERIFY(ChooseItem(*map.YBox, y));
    QVERIFY(ChooseItem(*map.XBox, x));
    QVERIFY(ChooseItem(*map.ColumnBox, column));
    QVERIFY(ChooseItem(*map.AggregateBox, aggregate));
    QCOMPARE(map.Pages->currentWidget(), map.MapArea);
    QCOMPARE(MapTexts(*map.Map), drawn);
  }

  void oneParameterOnBothAxesIsRefused() {
    ClickRow(*ControlOf<ResultsView>(window_->Form(), "RzListView1"), 0);
    ParameterMapWindow& map = Opened();
    QVERIFY(ChooseItem(*map.YBox, "A"));
    QCOMPARE(map.Pages->currentWidget(), map.Message);
    QCOMPARE(map.Message->text(), QString("Для X и Y выберите разные параметры."));
    QVERIFY(!map.SaveButton->isEnabled());
    QCOMPARE(map.NeighbourhoodLine->text(), QString());
    QVERIFY(ChooseItem(*map.XBox, "B"));
    QCOMPARE(map.Pages->currentWidget(), map.MapArea);
    QVERIFY(map.SaveButton->isEnabled());
    QVERIFY(map.NeighbourhoodLine->text().startsWith("Соседей: "));
  }

  void profitsAreGreenLossesRedAndEmptyCellsBlank() {
    ParameterMapWindow& map = Opened();
    const QColor loss = CellColour(*map.Map, 2, 0);
    const QColor profit = CellColour(*map.Map, 1, 1);
    QVERIFY2(loss.red() > loss.green(), qPrintable(loss.name()));
    QVERIFY2(profit.green() > profit.red(), qPrintable(profit.name()));
    QCOMPARE(CellColour(*map.Map, 2, 1), map.Map->palette().color(QPalette::Window));

    // Drawdown runs one way: the highest is red, the lowest green, though all are positive.
    QVERIFY(ChooseItem(*map.ColumnBox, "Просадка $"));
    const QColor highest = CellColour(*map.Map, 2, 0);
    const QColor lowest = CellColour(*map.Map, 0, 1);
    QVERIFY2(highest.red() > highest.green(), qPrintable(highest.name()));
    QVERIFY2(lowest.green() > lowest.red(), qPrintable(lowest.name()));
  }

  void aCellsTooltipGivesItsPassesAndTheBestOne() {
    ParameterMapWindow& map = Opened();
    const QPoint centre = map.Map->CellRect(1, 1).center();
    QHelpEvent help(QEvent::ToolTip, centre, map.Map->mapToGlobal(centre));
    QApplication::sendEvent(map.Map, &help);
    QCOMPARE(QToolTip::text(), QString("2 прохода, лучший — проход 10"));
  }

  void withoutYTheMapIsAProfile() {
    ParameterMapWindow& map = Opened();
    QVERIFY(ChooseItem(*map.YBox, "—"));
    QCOMPARE(map.Pages->currentWidget(), map.Profile);
    QVERIFY(!map.AggregateBox->isEnabled());
    const ProfileChart& profile = *map.Profile;
    QCOMPARE(PointsOf(*profile.Minimum()), (QList<QPointF>{{0, -50}, {1, 10}, {2, -120}}));
    QCOMPARE(PointsOf(*profile.Mean()), (QList<QPointF>{{0, 44}, {1, 252.5}, {2, -100}}));
    QCOMPARE(PointsOf(*profile.Maximum()), (QList<QPointF>{{0, 100}, {1, 500}, {2, -80}}));

    QVERIFY(ChooseItem(*map.YBox, "B"));
    QCOMPARE(map.Pages->currentWidget(), map.MapArea);
    QVERIFY(map.AggregateBox->isEnabled());
  }

  void aCellClickChoosesItsBestPassInTheList() {
    MainWindow& form = window_->Form();
    // Sorted by profit, no pass stands in its own row.
    ClickHeader(*ControlOf<ResultsView>(form, "RzListView1"), 1);
    ParameterMapWindow& map = Opened();
    QTest::mouseClick(map.Map, Qt::LeftButton, {}, map.Map->CellRect(1, 1).center());

    const int row = ControlOf<ResultsView>(form, "RzListView1")->SelectedRow();
    QVERIFY(row >= 0);
    QCOMPARE(window_->Form().Report().PassAt(row).value, std::size_t{10});
    QCOMPARE(ControlOf<ResultsView>(form, "RzListView1")->currentIndex().row(), row);
    QCOMPARE(ControlOf<ParameterPanel>(form, "RzMemo1")->Text(),
             QString("A=2\r\nB=20\r\nD=0\r\nC=x\r\n"));
    QVERIFY(window_->Form().Report().RowChosen());
    QCOMPARE(map.Map->Marked(), QPoint(1, 1));
    QCOMPARE(map.NeighbourhoodLine->text(),
             QString("Соседей: 3 из 4; прибыль в окрестности: мин. 10.00, средн. 212.50"));

    // The export works on the pass chosen.
    window_->SaveDialog().Confirm();
    QTest::mouseClick(ControlOf<QPushButton>(form, "RzBitBtn2"), Qt::LeftButton);
    QCOMPARE(window_->SaveDialog().Proposed(), QStringList{"10"});
    QCOMPARE(window_->ReadFile("10.set"), std::string("A=2\r\nB=20\r\nD=0\r\nC=x\r\n"));
  }

  void theMinimumChoosesThePassThatHoldsIt() {
    MainWindow& form = window_->Form();
    ParameterMapWindow& map = Opened();
    QVERIFY(ChooseItem(*map.AggregateBox, "минимум"));
    QTest::mouseClick(map.Map, Qt::LeftButton, {}, map.Map->CellRect(0, 0).center());
    QCOMPARE(ControlOf<ParameterPanel>(form, "RzMemo1")->Text(),
             QString("A=1\r\nB=10\r\nD=1\r\nC=x\r\n"));
  }

  void aPassChosenInTheListIsMarked() {
    MainWindow& form = window_->Form();
    ParameterMapWindow& map = Opened();
    QCOMPARE(map.Map->Marked(), QPoint(-1, -1));
    QCOMPARE(map.NeighbourhoodLine->text(),
             QString("Выберите проход в списке или щёлкните клетку карты."));
    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 4);
    QCOMPARE(map.Map->Marked(), QPoint(1, 0));
    QCOMPARE(map.NeighbourhoodLine->text(),
             QString("Соседей: 4 из 5; прибыль в окрестности: мин. -80.00, средн. 76.00"));
    QVERIFY(ChooseItem(*map.ColumnBox, "Просадка $"));
    QCOMPARE(map.NeighbourhoodLine->text(),
             QString("Соседей: 4 из 5; просадка $ в окрестности: мин. 5.00, средн. 45.00"));
    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 11);
    QCOMPARE(map.Map->Marked(), QPoint(-1, -1));
    QCOMPARE(map.NeighbourhoodLine->text(), QString("Проход 12 не вошёл в карту."));
  }

  // Its own figures alone would look like a plateau; the tool leaves them empty too.
  void aPassWithoutNeighboursHasNoNeighbourhood() {
    window_->LoadThroughButton(
        window_->WriteReport("apart.htm", PassesTitled({"P=1; Q=1; ", "P=2; Q=2; "})));
    ParameterMapWindow& map = Opened();
    ClickRow(*ControlOf<ResultsView>(window_->Form(), "RzListView1"), 0);
    QCOMPARE(map.NeighbourhoodLine->text(),
             QString("Соседей: 0 из 2; окрестности нет — проход стоит одиноко"));
  }

  void aMapOpenedLaterMarksThePassChosenInThisReport_data() {
    QTest::addColumn<bool>("reloaded");
    QTest::addColumn<QPoint>("marked");
    QTest::newRow("chosen before the map opened") << false << QPoint(1, 0);
    QTest::newRow("chosen in the report loaded before") << true << QPoint(-1, -1);
  }
  void aMapOpenedLaterMarksThePassChosenInThisReport() {
    QFETCH(bool, reloaded);
    QFETCH(QPoint, marked);
    MainWindow& form = window_->Form();
    ClickRow(*ControlOf<ResultsView>(form, "RzListView1"), 4);
    if (reloaded) window_->LoadThroughButton(window_->WriteReport("again.htm", GridPasses()));
    QCOMPARE(Opened().Map->Marked(), marked);
  }

  void theMapFollowsANewReport_data() {
    QTest::addColumn<bool>("closedMeanwhile");
    QTest::newRow("window open") << false;
    QTest::newRow("window closed, opened again") << true;
  }
  void theMapFollowsANewReport() {
    QFETCH(bool, closedMeanwhile);
    ParameterMapWindow* map = &Opened();
    if (closedMeanwhile) map->close();
    window_->LoadThroughButton(
        window_->WriteReport("numbered.htm", NumberedPasses({{"1.00", "1", "1", "1", "1", "1"},
                                                             {"2.00", "2", "2", "2", "2", "2"},
                                                             {"3.00", "3", "3", "3", "3", "3"}})));
    if (closedMeanwhile) QCOMPARE(&Opened(), map);
    QCOMPARE(map->XBox->itemText(0), QString("P"));
    QCOMPARE(MapTexts(*map->Map), (QStringList{"Q \\ P: 1 | 2 | 3", "10: 1.00 |  | ",
                                               "20:  | 2.00 | ", "30:  |  | 3.00"}));
  }

  void aReportOffersItsOptimizedParameters_data() {
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("xItems");
    QTest::addColumn<QString>("y");
    QTest::addColumn<QString>("message");
    QTest::newRow("one: a profile only") << QStringList{"P=1; C=x; ", "P=2; C=x; ", "P=3; C=x; "}
                                         << QStringList{"P"} << "—" << QString();
    QTest::newRow("three: the first two") << QStringList{"P=1; Q=1; R=1; ", "P=2; Q=2; R=2; "}
                                          << QStringList{"P", "Q", "R"} << "Q" << QString();
    QTest::newRow("none") << QStringList{"C=x; ", "C=x; "} << QStringList{} << QString()
                          << "В отчёте нет оптимизированных параметров: у всех проходов они одни "
                             "и те же.";
  }
  void aReportOffersItsOptimizedParameters() {
    QFETCH(QStringList, titles);
    QFETCH(QStringList, xItems);
    QFETCH(QString, y);
    QFETCH(QString, message);
    window_->LoadThroughButton(window_->WriteReport("titled.htm", PassesTitled(titles)));
    ParameterMapWindow& map = Opened();
    if (!message.isEmpty()) {
      QCOMPARE(map.Pages->currentWidget(), map.Message);
      QCOMPARE(map.Message->text(), message);
      QVERIFY(!map.SaveButton->isEnabled());
      return;
    }
    QStringList offered;
    for (int i = 0; i < map.XBox->count(); ++i) offered.append(map.XBox->itemText(i));
    QCOMPARE(offered, xItems);
    QCOMPARE(map.YBox->currentText(), y);
    QCOMPARE(map.Pages->currentWidget(),
             y == "—" ? static_cast<QWidget*>(map.Profile) : static_cast<QWidget*>(map.MapArea));
  }

  void theListScrollsToAPassChosenOnTheMap() {
    QStringList titles;
    for (int b = 1; b <= 20; ++b) {
      for (int a = 1; a <= 20; ++a) titles.append(QString("A=%1; B=%2; ").arg(a).arg(b));
    }
    window_->LoadThroughButton(window_->WriteReport("large.htm", PassesTitled(titles)));
    MainWindow& form = window_->Form();
    ResultsView& list = *ControlOf<ResultsView>(form, "RzListView1");
    // The largest profit first: pass 1, the cell A=1, B=1, stands in the last row.
    ClickHeader(list, 1);
    const QModelIndex last = list.model()->index(list.model()->rowCount() - 1, 0);
    QVERIFY(!list.viewport()->rect().intersects(list.visualRect(last)));
    ParameterMapWindow& map = Opened();
    QTest::mouseClick(map.Map, Qt::LeftButton, {}, map.Map->CellRect(0, 0).center());
    QCOMPARE(list.SelectedRow(), last.row());
    QVERIFY(list.viewport()->rect().contains(list.visualRect(last)));
    QCOMPARE(ControlOf<ParameterPanel>(form, "RzMemo1")->Text(), QString("A=1\r\nB=1\r\n"));
  }

  void thePictureIsSavedAsPng_data() {
    QTest::addColumn<QString>("y");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("map") << "B"
                         << "карта A-B.png";
    QTest::newRow("profile") << "—"
                             << "профиль A.png";
  }
  void thePictureIsSavedAsPng() {
    QFETCH(QString, y);
    QFETCH(QString, proposed);
    ParameterMapWindow& map = Opened();
    QVERIFY(ChooseItem(*map.YBox, y));
    FileDialogUser saveDialog(*map.SaveDialog, window_->Folder());
    saveDialog.Confirm("picture");
    QTest::mouseClick(map.SaveButton, Qt::LeftButton);
    QCOMPARE(saveDialog.Proposed(), QStringList{proposed});
    const QImage saved(window_->Path("picture.png"), "PNG");
    QVERIFY(!saved.isNull());
    const QSize expected = y == "—" ? map.Profile->size() : map.Map->sizeHint();
    QCOMPARE(saved.size(), expected);
  }

  void aPictureThatCannotBeWrittenIsReported() {
    ParameterMapWindow& map = Opened();
    FileDialogUser saveDialog(*map.SaveDialog, window_->Folder());
    saveDialog.Confirm("no such folder/picture.png");
    QTest::mouseClick(map.SaveButton, Qt::LeftButton);
    const QStringList errors = window_->ErrorBoxes().TakeTexts();
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors[0].startsWith("Не удалось сохранить картинку в файл «"), qPrintable(errors[0]));
  }

 private:
  ParameterMapWindow& Opened() {
    ParameterMapWindow* map = OpenParameterMap(window_->Form(), 0);
    if (map == nullptr) qFatal("no map window");
    return *map;
  }
};

QTEST_MAIN(ParameterMapTest)
#include "ParameterMapTest.moc"
