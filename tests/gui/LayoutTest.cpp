#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyleOptionButton>
#include <QStyleOptionHeader>
#include <QTest>
#include <QWheelEvent>

#include "WindowTest.h"

using namespace kvl::ui;

namespace {

constexpr int kNotch = 120;

// Turns the wheel one notch over `widget`: toward the user when `down`.
void TurnWheel(QWidget& widget, bool down) {
  const QPointF position(widget.width() / 2.0, widget.height() / 2.0);
  QWheelEvent event(position, widget.mapToGlobal(position), QPoint(),
                    QPoint(0, down ? -kNotch : kNotch), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&widget, &event);
}

// A text of the window, the room it needs in its control's font and the room that its control
// gives it.
struct TextRoom {
  QString control;
  QString text;
  QSize needed;
  QSize available;
};

QSize RoomFor(const QString& text, const QFont& font) {
  const QFontMetrics metrics(font);
  const QRect ink = metrics.boundingRect(text);
  return {std::max(metrics.horizontalAdvance(text), ink.x() + ink.width()), metrics.height()};
}

// A column caption's section as the header paints it.
QStyleOptionHeader SectionOption(QHeaderView& header, int column) {
  QStyleOptionHeader option;
  option.initFrom(&header);
  option.state |= QStyle::State_Horizontal;
  option.orientation = Qt::Horizontal;
  option.section = column;
  option.text = header.model()->headerData(column, Qt::Horizontal).toString();
  option.rect =
      QRect(header.sectionViewportPosition(column), 0, header.sectionSize(column), header.height());
  return option;
}

// Every label's and button's text with some text, and every column caption of the list.
QList<TextRoom> TextsOf(MainWindow& form) {
  QList<TextRoom> texts;
  for (QLabel* label : form.findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;
    const int margin = label->margin();
    texts.append({label->objectName(), label->text(), RoomFor(label->text(), label->font()),
                  label->contentsRect().marginsRemoved({margin, margin, margin, margin}).size()});
  }
  for (QPushButton* button : form.findChildren<QPushButton*>()) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    texts.append(
        {button->objectName(), button->text(), RoomFor(button->text(), button->font()),
         button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).size()});
  }
  QHeaderView& header = *ControlOf<ResultsView>(form, "RzListView1")->header();
  for (int column = 0; column < header.count(); ++column) {
    const QStyleOptionHeader option = SectionOption(header, column);
    texts.append({QString("column %1").arg(column), option.text,
                  RoomFor(option.text, header.font()),
                  header.style()->subElementRect(QStyle::SE_HeaderLabel, &option, &header).size()});
  }
  return texts;
}

QRgb PixelOf(QWidget& widget, QPoint at) {
  return widget.grab().toImage().pixel(at);
}

}  // namespace

class LayoutTest : public WindowTest {
  Q_OBJECT

 private slots:
  void theWindow() {
    MainWindow& form = window_->Form();
    QCOMPARE(form.windowTitle(), QStringLiteral(u"KVL-RIDAVU Парсер файла оптимизации в SET"));
    QCOMPARE(form.size(), QSize(894, 710));
    QCOMPARE(form.minimumWidth(), 894);
    QCOMPARE(form.maximumWidth(), 894);
    QCOMPARE(form.font().pixelSize(), 11);
    QCOMPARE(form.font().families().value(0), QString("Verdana"));
    const QList<QSize> iconSizes = form.windowIcon().availableSizes();
    for (const int size : {16, 24, 32, 48}) QVERIFY(iconSizes.contains(QSize(size, size)));
    QVERIFY(form.windowIcon().pixmap(48).toImage().hasAlphaChannel());
  }

  void controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("characterHeight");
    QTest::addColumn<QString>("family");
    const QString verdana = "Verdana";
    QTest::newRow("RzPanel2") << "RzPanel2"
                              << "" << QRect(0, 0, 894, 113) << "" << 11 << verdana;
    QTest::newRow("Image2") << "Image2"
                            << "RzPanel2" << QRect(18, 8, 537, 94) << "" << 11 << verdana;
    QTest::newRow("RzBitBtn2") << "RzBitBtn2"
                               << "RzPanel2" << QRect(696, 45, 185, 46)
                               << QStringLiteral(u"Экспорт в *.set") << 19 << verdana;
    QTest::newRow("RzButton1") << "RzButton1"
                               << "RzPanel2" << QRect(755, 13, 126, 25)
                               << QStringLiteral(u"Загрузить файл") << 11 << verdana;
    QTest::newRow("RzStatusBar1") << "RzStatusBar1"
                                  << "" << QRect(0, 685, 894, 25) << "" << 11 << verdana;
    QTest::newRow("ScrollBox1") << "ScrollBox1"
                                << "" << QRect(0, 113, 894, 572) << "" << 11 << verdana;
    QTest::newRow("OptPanel1") << "OptPanel1"
                               << "scroll box content" << QRect(-2, 6, 881, 555) << "" << 11
                               << verdana;
    QTest::newRow("RzListView1") << "RzListView1"
                                 << "OptPanel1" << QRect(18, -2, 660, 547) << "" << 11 << verdana;
    QTest::newRow("RzLabel2") << "RzLabel2"
                              << "OptPanel1" << QRect(740, -2, 73, 16)
                              << QStringLiteral(u"параметры") << 13 << verdana;
    QTest::newRow("RzMemo1") << "RzMemo1"
                             << "OptPanel1" << QRect(684, 20, 194, 525) << "" << 11 << verdana;
  }
  void controls() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(int, characterHeight);
    QFETCH(QString, family);
    MainWindow& form = window_->Form();
    auto* control = form.findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QWidget* expectedParent = parent.isEmpty() ? &form
                              : parent == "scroll box content"
                                  ? ControlOf<QScrollArea>(form, "ScrollBox1")->widget()
                                  : form.findChild<QWidget*>(parent);
    QCOMPARE(control->parentWidget(), expectedParent);
    if (text.isEmpty()) {
      QCOMPARE(control->geometry(), geometry);
    } else {
      // A control with a text keeps its designed place and grows only where the font in use
      // needs more room.
      QCOMPARE(control->geometry(),
               QRect(geometry.topLeft(), geometry.size().expandedTo(control->sizeHint())));
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) QCOMPARE(button->text(), text);
    if (auto* label = qobject_cast<QLabel*>(control)) QCOMPARE(label->text(), text);
    QCOMPARE(control->font().pixelSize(), characterHeight);
    QCOMPARE(control->font().families().value(0), family);
  }

  void everyTextShowsWholeInItsControl() {
    const QList<TextRoom> texts = TextsOf(window_->Form());
    QCOMPARE(texts.size(), 4 + 7);  // the heading, the link, two buttons, seven columns
    QStringList cut;
    for (const TextRoom& room : texts) {
      if (room.needed.width() > room.available.width() ||
          room.needed.height() > room.available.height()) {
        cut.append(QString("%1 \"%2\": needs %3x%4, has %5x%6")
                       .arg(room.control, room.text)
                       .arg(room.needed.width())
                       .arg(room.needed.height())
                       .arg(room.available.width())
                       .arg(room.available.height()));
      }
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join("; ")));
  }

  // The indicator has a place of its own above the captions, so a caption that fills its
  // column stays whole under it.
  void theSortIndicatorLeavesEveryCaptionWhole_data() {
    QTest::addColumn<int>("column");
    for (int column = 0; column < 7; ++column) QTest::addRow("column %d", column) << column;
  }
  void theSortIndicatorLeavesEveryCaptionWhole() {
    QFETCH(int, column);
    ResultsView& list = *ControlOf<ResultsView>(window_->Form(), "RzListView1");
    QHeaderView& header = *list.header();
    const QImage unmarked = header.grab().toImage();
    list.ShowSortIndicator(column, Qt::DescendingOrder);
    const QImage marked = header.grab().toImage();

    QStyleOptionHeader option = SectionOption(header, column);
    option.sortIndicator = QStyleOptionHeader::SortUp;
    const QRect arrow = header.style()->subElementRect(QStyle::SE_HeaderArrow, &option, &header);
    const QRect label = header.style()->subElementRect(QStyle::SE_HeaderLabel, &option, &header);
    const QRect ink = QFontMetrics(header.font())
                          .boundingRect(label, Qt::AlignLeft | Qt::AlignVCenter, option.text);
    QVERIFY(option.rect.contains(arrow));
    QVERIFY2(!arrow.intersects(ink), qPrintable(option.text));

    // What the indicator paints lies in its place.
    int painted = 0;
    for (int y = 0; y < marked.height(); ++y) {
      for (int x = 0; x < marked.width(); ++x) {
        if (marked.pixel(x, y) == unmarked.pixel(x, y)) continue;
        ++painted;
        QVERIFY2(arrow.contains(x, y), qPrintable(QString("painted at %1,%2").arg(x).arg(y)));
      }
    }
    QVERIFY(painted > 0);
  }

  void looks() {
    MainWindow& form = window_->Form();
    QCOMPARE(ControlOf<QLabel>(form, "Image2")->pixmap().size(), QSize(537, 94));
    QCOMPARE(ControlOf<QLabel>(form, "RzLabel2")->palette().color(QPalette::WindowText),
             QColor(161, 198, 17));
    QCOMPARE(QColor(PixelOf(*ControlOf<QPushButton>(form, "RzBitBtn2"), {4, 4})),
             QColor(12, 149, 203));
    QCOMPARE(QColor(PixelOf(*ControlOf<QFrame>(form, "RzPanel2"), {600, 106})), QColor(Qt::white));
    QVERIFY(ControlOf<QStatusBar>(form, "RzStatusBar1")->isSizeGripEnabled());
    QCOMPARE(ControlOf<QStatusBar>(form, "RzStatusBar1")->currentMessage(), QString());
    QCOMPARE(ControlOf<QScrollArea>(form, "ScrollBox1")->horizontalScrollBarPolicy(),
             Qt::ScrollBarAlwaysOff);

    LinkLabel& link = *ControlOf<LinkLabel>(form, "RzURLLabel2");
    QCOMPARE(link.pos(), QPoint(419, 84));
    QCOMPARE(link.text(), QStringLiteral(u"Узнать подробнее"));
    QCOMPARE(link.font().families().value(0), QString("Tahoma"));
    QCOMPARE(link.font().pixelSize(), 11);
    QVERIFY(link.font().underline());
    QVERIFY(link.URL.toLocalFile().endsWith("/kvl-ridavu-guide.html"));
  }

  void columnsBeforeAnyLoad() {
    ResultsView& list = *ControlOf<ResultsView>(window_->Form(), "RzListView1");
    const QStringList captions = {QStringLiteral(u"Индекс"),        QStringLiteral(u"Прибыль"),
                                  QStringLiteral(u"Всего сделок"),  QStringLiteral(u"Прибыльность"),
                                  QStringLiteral(u"Мат. выигрыша"), QStringLiteral(u"Просадка $"),
                                  QStringLiteral(u"Просадка %")};
    const int widths[] = {60, 75, 95, 95, 95, 80, 139};
    QCOMPARE(list.model()->columnCount(), 7);
    for (int column = 0; column < 7; ++column) {
      QCOMPARE(list.model()->headerData(column, Qt::Horizontal).toString(), captions[column]);
      QCOMPARE(list.columnWidth(column), widths[column]);
    }
    QCOMPARE(list.model()->rowCount(), 0);
    QVERIFY(!list.header()->sectionsMovable());
  }

  void draggingABorderFitsTheLastColumn() {
    ResultsView& list = *ControlOf<ResultsView>(window_->Form(), "RzListView1");
    list.header()->resizeSection(1, 120);
    int total = 0;
    for (int column = 0; column < 7; ++column) total += list.columnWidth(column);
    QCOMPARE(total, list.viewport()->width());

    const int fitted = list.columnWidth(6);
    list.header()->resizeSection(2, 700);  // no room left for the last column
    QCOMPARE(list.columnWidth(6), fitted);
  }

  void theWidthIsFixedAndTheHeightFree() {
    MainWindow& form = window_->Form();
    form.resize(1200, 400);
    QCOMPARE(form.width(), 894);
    QCOMPARE(form.height(), 400);
    QCOMPARE(ControlOf<QScrollArea>(form, "ScrollBox1")->geometry(),
             QRect(0, 113, 894, 400 - 113 - 25));
    QCOMPARE(ControlOf<QStatusBar>(form, "RzStatusBar1")->geometry(), QRect(0, 375, 894, 25));
  }

  void theWheelScrollsTheBoxOnlyWhenNoControlTakesIt() {
    MainWindow& form = window_->Form();
    QScrollBar& box = *ControlOf<QScrollArea>(form, "ScrollBox1")->verticalScrollBar();
    ControlOf<QPushButton>(form, "RzButton1")->setFocus();
    TurnWheel(*ControlOf<ResultsView>(form, "RzListView1")->viewport(), true);
    QCOMPARE(box.value(), 0);  // the content fits at the designed height

    form.resize(894, 400);
    QTest::qWait(20);
    const int bottom = ControlOf<QScrollArea>(form, "ScrollBox1")->widget()->height() -
                       ControlOf<QScrollArea>(form, "ScrollBox1")->viewport()->height();
    QCOMPARE(box.maximum(), bottom);
    for (int expected = 10; expected < bottom + 20; expected += 10) {
      TurnWheel(*ControlOf<ResultsView>(form, "RzListView1")->viewport(), true);
      QCOMPARE(box.value(), std::min(expected, bottom));
    }
    for (int expected = bottom - 10; expected > -20; expected -= 10) {
      TurnWheel(form, false);
      QCOMPARE(box.value(), std::max(expected, 0));
    }

    window_->LoadThroughButton(KVL_SAMPLE_REPORT);
    QTest::qWait(20);  // the list lays out its rows
    TurnWheel(form, true);
    for (QAbstractScrollArea* control :
         std::initializer_list<QAbstractScrollArea*>{ControlOf<ResultsView>(form, "RzListView1"),
                                                     ControlOf<ParameterPanel>(form, "RzMemo1")}) {
      control->setFocus();
      TurnWheel(*ControlOf<QPushButton>(form, "RzButton1"), true);
      QCOMPARE(box.value(), 10);
    }
    QCOMPARE(ControlOf<ResultsView>(form, "RzListView1")->model()->rowCount(), 300);
    QVERIFY(ControlOf<ResultsView>(form, "RzListView1")->verticalScrollBar()->value() > 0);
  }

  void theLinkTurnsPurpleOnlyWhenItOpens() {
    LinkLabel& link = *ControlOf<LinkLabel>(window_->Form(), "RzURLLabel2");
    const QColor unvisited = link.palette().color(QPalette::WindowText);
    bool opens = false;
    int calls = 0;
    link.Open = [&](const QUrl& url) {
      ++calls;
      return url == link.URL && opens;
    };
    QTest::mouseClick(&link, Qt::LeftButton);
    QCOMPARE(link.palette().color(QPalette::WindowText), unvisited);
    opens = true;
    QTest::mouseClick(&link, Qt::LeftButton);
    QTest::mouseClick(&link, Qt::LeftButton);
    QCOMPARE(calls, 3);
    QCOMPARE(link.palette().color(QPalette::WindowText), QColor(128, 0, 128));
  }
};

QTEST_MAIN(LayoutTest)
#include "LayoutTest.moc"
