#include "ComparisonWindow.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTableView>

#include <ui/mainwindow/LoadedReport.h>
#include <ui/messages/ErrorReport.h>
#include <ui/widgets/EnterButton.h>

#include "ComparisonChart.h"
#include "ComparisonTexts.h"
#include "JoinedPassesModel.h"
#include "JoinedReports.h"

namespace kvl::ui {

namespace {

constexpr int kInitialWidth = 1080;
constexpr int kInitialHeight = 760;
constexpr int kChartHeight = 420;
constexpr int kTableHeight = 240;
constexpr int kRowPadding = 6;
constexpr int kCellPadding = 12;

// Each column as wide as its caption or a figure of eight digits, whichever is wider: measuring
// the cells of a large report would take longer than the rest of the window.
void FitColumns(QTableView& table) {
  const int figureWidth =
      table.fontMetrics().horizontalAdvance(QStringLiteral("-00000000.00")) + kCellPadding;
  QHeaderView& header = *table.horizontalHeader();
  for (int column = 0; column < header.count(); ++column) {
    header.resizeSection(column, std::max(figureWidth, header.sectionSizeHint(column)));
  }
}

}  // namespace

ComparisonWindow::ComparisonWindow(const LoadedReport& base, std::unique_ptr<JoinedReports> joined,
                                   QWidget* owner)
    : QWidget(owner, Qt::Window), base_(base), joined_(std::move(joined)) {
  setWindowTitle(ComparisonCaption());
  setAttribute(Qt::WA_DeleteOnClose);
  resize(kInitialWidth, kInitialHeight);
  CreateControls();
  BindEvents();
  MarkChosenPass();
}

// The views go before the comparison they show.
ComparisonWindow::~ComparisonWindow() {
  delete Table;
  delete Chart;
  delete Passes;
}

void ComparisonWindow::CreateControls() {
  AddButton = new EnterButton(AddReportText(), this);
  OtherBox = new QComboBox(this);
  OtherBox->addItems(joined_->labels.mid(1));
  OtherBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  auto* otherCaption = new QLabel(OtherAxisText(), this);
  for (QWidget* control : {static_cast<QWidget*>(otherCaption), static_cast<QWidget*>(OtherBox)}) {
    control->setVisible(joined_->others.size() > 1);
  }
  Summary = new QLabel(SummaryText(*joined_), this);
  Summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Summary->setWordWrap(true);

  Chart = new ComparisonChart(*joined_, this);
  Passes = new JoinedPassesModel(*joined_, this);
  Table = new QTableView(this);
  Table->setModel(Passes);
  Table->setSelectionBehavior(QAbstractItemView::SelectRows);
  Table->setSelectionMode(QAbstractItemView::SingleSelection);
  Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table->verticalHeader()->hide();
  // Every row is one line high: the view need not measure 120000 of them.
  Table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  Table->verticalHeader()->setDefaultSectionSize(Table->fontMetrics().height() + kRowPadding);
  FitColumns(*Table);
  // The rows come in base pass order.
  Table->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
  Table->setSortingEnabled(true);

  auto* views = new QSplitter(Qt::Vertical, this);
  views->addWidget(Chart);
  views->addWidget(Table);
  views->setSizes({kChartHeight, kTableHeight});

  auto* otherChoice = new QHBoxLayout;
  otherChoice->addWidget(otherCaption);
  otherChoice->addWidget(OtherBox);
  auto* commands = new QVBoxLayout;
  commands->addWidget(AddButton, 0, Qt::AlignRight);
  commands->addLayout(otherChoice);
  commands->addStretch(1);
  auto* top = new QHBoxLayout;
  top->addWidget(Summary, 1);
  top->addLayout(commands);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(views, 1);
}

void ComparisonWindow::BindEvents() {
  connect(Chart, &ComparisonChart::passClicked, this, &ComparisonWindow::passClicked);
  connect(AddButton, &QPushButton::clicked, this, &ComparisonWindow::addReportRequested);
  connect(OtherBox, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index >= 0) GuardEvent([&] { Chart->Show(static_cast<std::size_t>(index) + 1); });
  });
  // A click on the current row chooses its pass again, as a click in the main list does: after an
  // export has emptied the panel, say. A click on another row chooses it twice, to the same end.
  connect(Table, &QTableView::clicked, this,
          [this](const QModelIndex& index) { RowChosen(index.row()); });
  connect(Table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (!marking_ && current.isValid()) RowChosen(current.row());
          });
  connect(&base_, &LoadedReport::passChosen, this,
          [this] { GuardEvent([this] { MarkChosenPass(); }); });
  // The base's passes are gone with its load.
  connect(&base_, &LoadedReport::loaded, this, [this] {
    disconnect(&base_, nullptr, this, nullptr);
    Table->setModel(nullptr);
    close();
  });
}

void ComparisonWindow::RowChosen(int row) {
  emit passClicked(Passes->BasePassAt(row));
}

void ComparisonWindow::MarkChosenPass() {
  const std::optional<core::PassNumber> chosen = base_.ChosenPass();
  const auto pass = static_cast<std::uint32_t>(chosen ? chosen->value : 0);
  Chart->Mark(pass);
  marking_ = true;
  const std::optional<int> row = Passes->RowOf(pass);
  if (row) {
    Table->setCurrentIndex(Passes->index(*row, 0));
  } else {
    Table->clearSelection();
  }
  marking_ = false;
}

}  // namespace kvl::ui
