#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QScrollArea>
#include <QStatusBar>
#include <algorithm>
#include <iterator>
#include <string_view>
#include <utility>

#include "Artwork.h"
#include "Fonts.h"
#include "Main.h"
#include "ResultColumns.h"

namespace {

constexpr int kClientWidth = 894;
constexpr int kClientHeight = 710;
constexpr int kTopPanelHeight = 113;
constexpr int kStatusBarHeight = 25;
const QPoint kDesignedPosition(439, 0);

// Widths of the results list's columns, in the order of kResultColumns.
constexpr int kColumnWidths[] = {60, 75, 95, 95, 95, 80, 139};
static_assert(std::size(kColumnWidths) == kResultColumns.size());

const char* const kExportButtonStyle =
    "QPushButton { background-color: #0C95CB; color: white; border: 1px solid #0C95CB; }"
    "QPushButton:hover, QPushButton:pressed { background-color: #0C95CB; }";

QFrame* Panel(QWidget* parent, QFrame::Shape shape, const QColor& background) {
  auto* panel = new QFrame(parent);
  panel->setFrameStyle(shape | QFrame::Raised);
  panel->setLineWidth(1);
  QPalette colours = panel->palette();
  colours.setColor(QPalette::Window, background);
  panel->setPalette(colours);
  panel->setAutoFillBackground(true);
  return panel;
}

// Puts a control with a text at its designed place and size, grown only where the font in use
// needs more room than was designed for it (DejaVu Sans standing in for Verdana runs wider).
void PlaceShowingText(QWidget* control, const QRect& designed) {
  const QSize needed = control->sizeHint();
  control->setGeometry(QRect(designed.topLeft(), designed.size().expandedTo(needed)));
}

void ColourText(QWidget* widget, const QColor& colour) {
  QPalette colours = widget->palette();
  colours.setColor(QPalette::WindowText, colour);
  widget->setPalette(colours);
}

// The guide lies beside the program in the build tree, in the documentation folder once installed.
QString GuidePath() {
  const QDir programFolder(QCoreApplication::applicationDirPath());
  const QString candidates[] = {programFolder.filePath("kvl-ridavu-guide.html"),
                                QDir::cleanPath(programFolder.filePath(KVL_INSTALLED_GUIDE))};
  for (const QString& path : candidates) {
    if (QFileInfo::exists(path)) return path;
  }
  return candidates[0];
}

}  // namespace

TFormMain::TFormMain(QWidget* parent) : QWidget(parent) {
  setWindowTitle(QStringLiteral(u"KVL-RIDAVU Парсер файла оптимизации в SET"));
  setFont(DesignFont(QStringLiteral("Verdana"), 11));
  setWindowIcon(ApplicationIcon());
  setMinimumWidth(kClientWidth);
  setMaximumWidth(kClientWidth);
  resize(kClientWidth, kClientHeight);
  move(kDesignedPosition);
  CreateControls();
  PlaceDockedControls();
  BindEvents();
  qApp->installEventFilter(this);
  // Drags over controls that take no drops reach the window; see RouteDrop.
  setAcceptDrops(true);
}

TFormMain::~TFormMain() {
  // QWidget destroys the controls after this part of the window is gone, and the list asks for
  // rows on its way out: nothing may reach the handlers from here on.
  qApp->removeEventFilter(this);
  RzListView1->OnData = nullptr;
  RzListView1->OnClick = nullptr;
  RzListView1->OnKeyDown = nullptr;
  RzListView1->OnColumnClick = nullptr;
  RzListView1->OnContextPopup = nullptr;
  disconnect(RzButton1, nullptr, this, nullptr);
  disconnect(RzBitBtn2, nullptr, this, nullptr);
  delete OpenDialog1;
  delete SaveDialog1;
}

void TFormMain::CreateControls() {
  RzStatusBar1 = new QStatusBar(this);
  RzStatusBar1->setSizeGripEnabled(true);
  RzStatusBar1->setStyleSheet(QStringLiteral("QStatusBar::item { border: none; }"));

  RzPanel2 = Panel(this, QFrame::Panel, Qt::white);

  Image2 = new QLabel(RzPanel2);
  Image2->setGeometry(18, 8, 537, 94);
  Image2->setPixmap(Banner());

  RzURLLabel2 = new TURLLabel(QStringLiteral(u"Узнать подробнее"), RzPanel2);
  QFont linkFont = DesignFont(QStringLiteral("Tahoma"), 11);
  linkFont.setUnderline(true);
  RzURLLabel2->setFont(linkFont);
  RzURLLabel2->move(419, 84);
  RzURLLabel2->adjustSize();
  RzURLLabel2->URL = QUrl::fromLocalFile(GuidePath());
  RzURLLabel2->Open = [](const QUrl& url) {
    return QFileInfo::exists(url.toLocalFile()) && QDesktopServices::openUrl(url);
  };

  RzBitBtn2 = new TButton(QStringLiteral(u"Экспорт в *.set"), RzPanel2);
  RzBitBtn2->setFont(DesignFont(QStringLiteral("Verdana"), 19));
  RzBitBtn2->setStyleSheet(QString::fromLatin1(kExportButtonStyle));
  PlaceShowingText(RzBitBtn2, QRect(696, 45, 185, 46));

  RzButton1 = new TButton(QStringLiteral(u"Загрузить файл"), RzPanel2);
  PlaceShowingText(RzButton1, QRect(755, 13, 126, 25));

  ScrollBox1 = new QScrollArea(this);
  ScrollBox1->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  ScrollBox1->setWidgetResizable(false);
  // The box scrolls by the wheel and its bar alone; as a focus stop it would show nothing.
  ScrollBox1->setFocusPolicy(Qt::NoFocus);
  // The scrolled area reaches as far as the content panel does.
  auto* content = new QWidget;
  content->setFixedSize(-2 + 881, 6 + 555);
  ScrollBox1->setWidget(content);

  OptPanel1 = Panel(content, QFrame::NoFrame, palette().color(QPalette::Window));
  OptPanel1->setGeometry(-2, 6, 881, 555);

  RzLabel2 = new QLabel(QStringLiteral(u"параметры"), OptPanel1);
  RzLabel2->setFont(DesignFont(QStringLiteral("Verdana"), 13));
  PlaceShowingText(RzLabel2, QRect(740, -2, 73, 16));
  ColourText(RzLabel2, QColor(161, 198, 17));

  RzListView1 = new TListView(OptPanel1);
  RzListView1->setGeometry(18, -2, 660, 547);
  for (std::size_t column = 0; column < kResultColumns.size(); ++column) {
    const std::string_view caption = kResultColumns[column].caption;
    RzListView1->AddColumn(
        QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
        kColumnWidths[column]);
  }

  RzMemo1 = new TMemo(OptPanel1);
  RzMemo1->setGeometry(684, 20, 194, 525);

  OpenDialog1 = new TFileDialog(this, TFileDialog::Kind::Open);
  OpenDialog1->Filter = QStringLiteral("*.htm|*.htm");
  OpenDialog1->DefaultExt = QStringLiteral("htm");
  SaveDialog1 = new TFileDialog(this, TFileDialog::Kind::Save);
  SaveDialog1->Filter = QStringLiteral("MT4|*.set");
  SaveDialog1->DefaultExt = QStringLiteral("set");

  const std::pair<QObject*, const char*> names[] = {
      {RzStatusBar1, "RzStatusBar1"}, {RzPanel2, "RzPanel2"},
      {RzBitBtn2, "RzBitBtn2"},       {ScrollBox1, "ScrollBox1"},
      {OptPanel1, "OptPanel1"},       {RzLabel2, "RzLabel2"},
      {RzListView1, "RzListView1"},   {RzMemo1, "RzMemo1"},
      {RzButton1, "RzButton1"},       {Image2, "Image2"},
      {RzURLLabel2, "RzURLLabel2"},
  };
  for (const auto& [control, name] : names) control->setObjectName(QString::fromLatin1(name));

  QWidget::setTabOrder(RzBitBtn2, RzButton1);
  QWidget::setTabOrder(RzButton1, RzListView1);
  QWidget::setTabOrder(RzListView1, RzMemo1);
  RzBitBtn2->setFocus();
}

void TFormMain::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceDockedControls();
}

// The top panel and the status bar keep their heights; the scroll box takes what is left.
void TFormMain::PlaceDockedControls() {
  const int w = width();
  const int h = height();
  RzPanel2->setGeometry(0, 0, w, kTopPanelHeight);
  RzStatusBar1->setGeometry(0, h - kStatusBarHeight, w, kStatusBarHeight);
  ScrollBox1->setGeometry(0, kTopPanelHeight, w,
                          std::max(0, h - kTopPanelHeight - kStatusBarHeight));
}
