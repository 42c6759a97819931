#include "ParameterMapWindow.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QImageWriter>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>

#include <core/Exceptions.h>
#include <core/ResultColumns.h>
#include <ui/mainwindow/LoadedReport.h>
#include <ui/messages/ErrorReport.h>
#include <ui/widgets/EnterButton.h>
#include <ui/widgets/FileDialog.h>

#include "MapCanvas.h"
#include "MapTexts.h"
#include "MappedReport.h"
#include "ProfileChart.h"

namespace kvl::ui {

namespace {

constexpr int kInitialWidth = 820;
constexpr int kInitialHeight = 620;
constexpr double kMostOfTheScreen = 0.9;

QLabel* Caption(const QString& text, QWidget* parent) {
  return new QLabel(text, parent);
}

}  // namespace

ParameterMapWindow::ParameterMapWindow(const LoadedReport& report, QWidget* owner)
    : QWidget(owner, Qt::Window), report_(report) {
  setWindowTitle(ParameterMapCaption());
  resize(kInitialWidth, kInitialHeight);
  CreateControls();
  BindEvents();
  FollowReport();
  MarkChosenPass();
}

ParameterMapWindow::~ParameterMapWindow() {
  delete SaveDialog;
}

void ParameterMapWindow::CreateControls() {
  XBox = new QComboBox(this);
  YBox = new QComboBox(this);
  ColumnBox = new QComboBox(this);
  for (int columnId = 1; columnId < static_cast<int>(core::kResultColumns.size()); ++columnId) {
    ColumnBox->addItem(ColumnCaption(columnId));
  }
  AggregateBox = new QComboBox(this);
  AggregateBox->addItems(AggregateCaptions());
  for (QComboBox* box : {XBox, YBox, ColumnBox, AggregateBox}) {
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  }
  SaveButton = new EnterButton(SavePictureText(), this);

  LeftOutLine = new QLabel(this);
  LeftOutLine->setWordWrap(true);
  Pages = new QStackedWidget(this);
  Message = new QLabel(Pages);
  Message->setAlignment(Qt::AlignCenter);
  Message->setWordWrap(true);
  MapArea = new QScrollArea(Pages);
  MapArea->setWidgetResizable(false);
  MapArea->setBackgroundRole(QPalette::Base);
  Map = new MapCanvas(MapArea);
  MapArea->setWidget(Map);
  Profile = new ProfileChart(Pages);
  for (QWidget* page : {static_cast<QWidget*>(Message), static_cast<QWidget*>(MapArea),
                        static_cast<QWidget*>(Profile)}) {
    Pages->addWidget(page);
  }
  NeighbourhoodLine = new QLabel(this);
  NeighbourhoodLine->setTextInteractionFlags(Qt::TextSelectableByMouse);

  SaveDialog = new FileDialog(this, FileDialog::Kind::Save);
  SaveDialog->Filter = QStringLiteral("PNG|*.png");
  SaveDialog->DefaultExt = QStringLiteral("png");

  auto* choices = new QHBoxLayout;
  choices->addWidget(Caption(QStringLiteral("X:"), this));
  choices->addWidget(XBox);
  choices->addSpacing(8);
  choices->addWidget(Caption(QStringLiteral("Y:"), this));
  choices->addWidget(YBox);
  choices->addSpacing(8);
  choices->addWidget(Caption(QStringLiteral(u"Столбец:"), this));
  choices->addWidget(ColumnBox);
  choices->addSpacing(8);
  choices->addWidget(Caption(QStringLiteral(u"В клетке:"), this));
  choices->addWidget(AggregateBox);
  choices->addStretch(1);
  choices->addWidget(SaveButton);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(choices);
  layout->addWidget(LeftOutLine);
  layout->addWidget(Pages, 1);
  layout->addWidget(NeighbourhoodLine);
}

void ParameterMapWindow::BindEvents() {
  for (QComboBox* box : {XBox, YBox, ColumnBox, AggregateBox}) {
    connect(box, &QComboBox::currentIndexChanged, this, [this] {
      if (!rebuilding_) GuardEvent([this] { Redraw(); });
    });
  }
  connect(SaveButton, &QPushButton::clicked, this,
          [this] { GuardEvent([this] { SavePictureClick(); }); });
  connect(Map, &MapCanvas::cellClicked, this,
          [this](int x, int y) { GuardEvent([&] { CellClick(x, y); }); });
  connect(&report_, &LoadedReport::loaded, this,
          [this] { GuardEvent([this] { FollowReport(); }); });
  connect(&report_, &LoadedReport::passChosen, this,
          [this] { GuardEvent([this] { MarkChosenPass(); }); });
}

void ParameterMapWindow::FollowReport() {
  markedPass_.reset();
  // What was read of the earlier report points into texts that the new load has released.
  mapped_.reset();
  stale_ = true;
  if (isVisible()) Rebuild();
}

void ParameterMapWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (stale_) GuardEvent([this] { Rebuild(); });
  if (!fitted_) FitToMap();
}

// On its first showing the window grows to show the whole map, as far as the screen allows.
void ParameterMapWindow::FitToMap() {
  fitted_ = true;
  const QSize missing = Map->sizeHint() - MapArea->viewport()->size();
  const QSize wanted = size() + missing.expandedTo(QSize(0, 0));
  const QSize room = screen()->availableGeometry().size() * kMostOfTheScreen;
  resize(wanted.boundedTo(room).expandedTo(size()));
}

void ParameterMapWindow::MarkChosenPass() {
  markedPass_ = report_.ChosenPass();
  if (!stale_) ShowMark();
}

void ParameterMapWindow::ShowMessage(const QString& text) {
  Message->setText(text);
  Pages->setCurrentWidget(Message);
  SaveButton->setEnabled(false);
  NeighbourhoodLine->clear();
}

void ParameterMapWindow::SavePictureClick() {
  const bool profile = Pages->currentWidget() == Profile;
  SaveDialog->FileName =
      PictureFileName(XBox->currentText(), profile ? QString() : YBox->currentText());
  if (!SaveDialog->Execute()) return;
  QString path = SaveDialog->FileName;
  if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) path += QStringLiteral(".png");
  const QImage picture = profile ? Profile->Image() : Map->Image();
  QImageWriter writer(path, "png");
  if (!writer.write(picture)) {
    throw core::Exception(PictureNotSavedText(path, writer.errorString()).toStdString());
  }
}

}  // namespace kvl::ui
