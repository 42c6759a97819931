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

#include <core/ResultColumns.h>
#include <ui/look/Artwork.h>
#include <ui/look/Fonts.h>
#include <ui/parametermap/ParameterMapWindow.h>
#include <ui/widgets/EnterButton.h>
#include <ui/widgets/FileDialog.h>
#include <ui/widgets/LinkLabel.h>
#include <ui/widgets/ParameterPanel.h>
#include <ui/widgets/ResultsView.h>

#include "MainWindow.h"
#include "ResultsModel.h"

namespace kvl::ui {

namespace {

constexpr int kClientWidth = 894;
constexpr int kClientHeight = 710;
constexpr int kTopPanelHeight = 113;
constexpr int kStatusBarHeight = 25;
const QPoint kDesignedPosition(439, 0);

// Widths of the results list's columns, in the order of kResultColumns.
constexpr int kColumnWidths[] = {60, 75, 95, 95, 95, 80, 139};
static_assert(std::size(kColumnWidths) == core::kResultColumns.size());

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

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent), resultsModel_(new ResultsModel(report_, this)) {
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

MainWindow::~MainWindow() {
  // QWidget destroys the controls after this part of the window, the report among it, is gone:
  // nothing may reach the handlers from here on, and nothing that reads the report may outlive it.
  qApp->removeEventFilter(this);
  for (QObject* sender : std::initializer_list<QObject*>{loadButton_, exportButton_, resultsView_})
    disconnect(sender, nullptr, this, nullptr);
  delete parameterMap_;
  resultsView_->setModel(nullptr);
}

void MainWindow::CreateControls() {
  statusBar_ = new QStatusBar(this);
  statusBar_->setSizeGripEnabled(true);
  statusBar_->setStyleSheet(QStringLiteral("QStatusBar::item { border: none; }"));

  topPanel_ = Panel(this, QFrame::Panel, Qt::white);

  banner_ = new QLabel(topPanel_);
  banner_->setGeometry(18, 8, 537, 94);
  banner_->setPixmap(Banner());

  guideLink_ = new LinkLabel(QStringLiteral(u"Узнать подробнее"), topPanel_);
  QFont linkFont = DesignFont(QStringLiteral("Tahoma"), 11);
  linkFont.setUnderline(true);
  guideLink_->setFont(linkFont);
  guideLink_->move(419, 84);
  guideLink_->adjustSize();
  guideLink_->URL = QUrl::fromLocalFile(GuidePath());
  guideLink_->Open = [](const QUrl& url) {
    return QFileInfo::exists(url.toLocalFile()) && QDesktopServices::openUrl(url);
  };

  exportButton_ = new EnterButton(QStringLiteral(u"Экспорт в *.set"), topPanel_);
  exportButton_->setFont(DesignFont(QStringLiteral("Verdana"), 19));
  exportButton_->setStyleSheet(QString::fromLatin1(kExportButtonStyle));
  PlaceShowingText(exportButton_, QRect(696, 45, 185, 46));

  loadButton_ = new EnterButton(QStringLiteral(u"Загрузить файл"), topPanel_);
  PlaceShowingText(loadButton_, QRect(755, 13, 126, 25));

  scrollBox_ = new QScrollArea(this);
  scrollBox_->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  scrollBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scrollBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  scrollBox_->setWidgetResizable(false);
  // The box scrolls by the wheel and its bar alone; as a focus stop it would show nothing.
  scrollBox_->setFocusPolicy(Qt::NoFocus);
  // The scrolled area reaches as far as the content panel does.
  auto* content = new QWidget;
  content->setFixedSize(-2 + 881, 6 + 555);
  scrollBox_->setWidget(content);

  contentPanel_ = Panel(content, QFrame::NoFrame, palette().color(QPalette::Window));
  contentPanel_->setGeometry(-2, 6, 881, 555);

  parametersCaption_ = new QLabel(QStringLiteral(u"параметры"), contentPanel_);
  parametersCaption_->setFont(DesignFont(QStringLiteral("Verdana"), 13));
  PlaceShowingText(parametersCaption_, QRect(740, -2, 73, 16));
  ColourText(parametersCaption_, QColor(161, 198, 17));

  resultsView_ = new ResultsView(contentPanel_);
  resultsView_->setGeometry(18, -2, 660, 547);
  resultsView_->setModel(resultsModel_);
  resultsView_->SetColumnWidths(kColumnWidths);

  parameterPanel_ = new ParameterPanel(contentPanel_);
  parameterPanel_->setGeometry(684, 20, 194, 525);

  openDialog_ = std::make_unique<FileDialog>(this, FileDialog::Kind::Open);
  openDialog_->Filter = QStringLiteral("*.htm|*.htm");
  openDialog_->DefaultExt = QStringLiteral("htm");
  saveDialog_ = std::make_unique<FileDialog>(this, FileDialog::Kind::Save);
  saveDialog_->Filter = QStringLiteral("MT4|*.set");
  saveDialog_->DefaultExt = QStringLiteral("set");

  const std::pair<QObject*, const char*> names[] = {
      {statusBar_, "RzStatusBar1"},  {topPanel_, "RzPanel2"},      {exportButton_, "RzBitBtn2"},
      {scrollBox_, "ScrollBox1"},    {contentPanel_, "OptPanel1"}, {parametersCaption_, "RzLabel2"},
      {resultsView_, "RzListView1"}, {parameterPanel_, "RzMemo1"}, {loadButton_, "RzButton1"},
      {banner_, "Image2"},           {guideLink_, "RzURLLabel2"},
  };
  for (const auto& [control, name] : names) control->setObjectName(QString::fromLatin1(name));

  QWidget::setTabOrder(exportButton_, loadButton_);
  QWidget::setTabOrder(loadButton_, resultsView_);
  QWidget::setTabOrder(resultsView_, parameterPanel_);
  exportButton_->setFocus();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  PlaceDockedControls();
}

// The top panel and the status bar keep their heights; the scroll box takes what is left.
void MainWindow::PlaceDockedControls() {
  const int w = width();
  const int h = height();
  topPanel_->setGeometry(0, 0, w, kTopPanelHeight);
  statusBar_->setGeometry(0, h - kStatusBarHeight, w, kStatusBarHeight);
  scrollBox_->setGeometry(0, kTopPanelHeight, w,
                          std::max(0, h - kTopPanelHeight - kStatusBarHeight));
}

}  // namespace kvl::ui
