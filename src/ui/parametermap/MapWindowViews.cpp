#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <algorithm>
#include <optional>

#include <ui/encoding/AnsiText.h>
#include <ui/mainwindow/LoadedReport.h>
#include <ui/widgets/EnterButton.h>

#include "MapCanvas.h"
#include "MapPictureOf.h"
#include "MapTexts.h"
#include "MappedReport.h"
#include "ParameterMapWindow.h"
#include "ProfileChart.h"

namespace kvl::ui {

namespace {

// Offers `names` for X and, after "—", for Y. The choices that `names` still hold stay (a new
// load of the same optimization keeps the axes); else X is the first parameter and Y the first
// other one, or "—" where there is none.
void Offer(QComboBox& xBox, QComboBox& yBox, const QStringList& names) {
  const QString keptX = xBox.currentText();
  const QString keptY = yBox.currentText();
  xBox.clear();
  xBox.addItems(names);
  xBox.setCurrentIndex(std::max(0, static_cast<int>(names.indexOf(keptX))));
  yBox.clear();
  yBox.addItem(NoYAxisText());
  yBox.addItems(names);
  int y = yBox.findText(keptY);
  if (y < 0 || y - 1 == xBox.currentIndex()) {
    y = xBox.currentIndex() == 0 ? 2 : 1;
    if (y > names.size()) y = 0;
  }
  yBox.setCurrentIndex(y);
}

}  // namespace

void ParameterMapWindow::Rebuild() {
  stale_ = false;
  mapped_.reset();
  LeftOutLine->clear();
  NeighbourhoodLine->clear();
  if (report_.Count() == 0) return ShowMessage(NoReportText());
  auto mapped = std::make_unique<MappedReport>();
  mapped->space =
      core::ParameterSpace::Read(report_.Passes(), static_cast<std::size_t>(report_.Count()));
  const core::ParameterSpace& space = mapped->space;
  LeftOutLine->setText(
      PassesOnMapText(space.PassCount() - space.LeftOut().size(), space.LeftOut()));
  if (space.Optimized().empty()) return ShowMessage(NoOptimizedParametersText());
  mapped_ = std::move(mapped);

  QStringList names;
  for (const core::MapParameter& parameter : space.Optimized())
    names.append(AnsiToQString(parameter.name));
  rebuilding_ = true;
  Offer(*XBox, *YBox, names);
  rebuilding_ = false;
  Redraw();
}

void ParameterMapWindow::Redraw() {
  if (!mapped_) return;
  const int columnId = ColumnBox->currentIndex() + 1;
  if (mapped_->values.ColumnId() != columnId) {
    mapped_->values = core::ColumnValues::Read(report_.Passes(),
                                               static_cast<std::size_t>(report_.Count()), columnId);
  }
  const auto x = static_cast<std::size_t>(XBox->currentIndex());
  const std::optional<std::size_t> y =
      YBox->currentIndex() > 0 ? std::optional(static_cast<std::size_t>(YBox->currentIndex() - 1))
                               : std::nullopt;
  AggregateBox->setEnabled(y.has_value());
  if (y == x) return ShowMessage(SameAxesText());
  SaveButton->setEnabled(true);
  if (y) {
    const auto aggregate = static_cast<core::MapAggregate>(AggregateBox->currentIndex());
    Map->Show(MapPictureOf(
        core::BuildParameterMap(mapped_->space, mapped_->values, x, y, aggregate), mapped_->space));
    Pages->setCurrentWidget(MapArea);
  } else {
    Profile->Show(XBox->currentText(), ColumnCaption(columnId),
                  ValueTexts(mapped_->space.Optimized()[x]),
                  core::BuildProfile(mapped_->space, mapped_->values, x));
    Pages->setCurrentWidget(Profile);
  }
  ShowMark();
}

void ParameterMapWindow::ShowMark() {
  Map->Mark(-1, -1);
  Profile->Mark(-1, 0);
  if (!mapped_ || Pages->currentWidget() == Message) return;
  if (!markedPass_) return NeighbourhoodLine->setText(NoPassChosenText());
  const std::size_t pass = markedPass_->value;
  if (!mapped_->space.InMap(pass)) {
    return NeighbourhoodLine->setText(PassNotOnMapText(static_cast<int>(pass)));
  }

  const std::span<const std::uint32_t> at = mapped_->space.Coordinates(pass);
  const auto x = static_cast<std::size_t>(XBox->currentIndex());
  if (YBox->currentIndex() > 0) {
    Map->Mark(static_cast<int>(at[x]),
              static_cast<int>(at[static_cast<std::size_t>(YBox->currentIndex() - 1)]));
  } else if (const core::PassCell& cell = mapped_->values.OfPass(pass); cell.converts) {
    Profile->Mark(static_cast<int>(at[x]), static_cast<double>(cell.value));
  }
  if (!mapped_->neighbourhoods)
    mapped_->neighbourhoods.emplace(core::Neighbourhoods::Find(mapped_->space));
  const core::NeighbourhoodFigures figures =
      core::FiguresOf(*mapped_->neighbourhoods, mapped_->values, pass);
  NeighbourhoodLine->setText(NeighbourhoodText(
      static_cast<int>(figures.found), static_cast<int>(figures.possible),
      ColumnCaption(mapped_->values.ColumnId()), AnsiToQString(figures.Min(mapped_->values)),
      QString::fromStdString(figures.Mean())));
}

void ParameterMapWindow::CellClick(int x, int y) {
  const int pass = Map->Picture().Cell(x, y).bestPass;
  if (pass > 0) emit passClicked(core::PassNumber{static_cast<std::size_t>(pass)});
}

}  // namespace kvl::ui
