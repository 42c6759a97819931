#pragma once

#include <QWidget>
#include <memory>
#include <optional>

#include <core/sort/RowOrder.h>

class QComboBox;
class QLabel;
class QScrollArea;
class QStackedWidget;

namespace kvl::ui {

class LoadedReport;
class MapCanvas;
struct MappedReport;
class ProfileChart;
class EnterButton;
class FileDialog;

// The parameter map of the main window's loaded report, in a window of its own: the figures of a
// result column over two optimized parameters as a grid of coloured cells, or over one as a
// profile, with the chosen pass marked and its neighbourhood's figures under the map.
class ParameterMapWindow : public QWidget {
  Q_OBJECT

 public:
  // Maps `report`, which outlives the window, and follows its loads and the passes chosen in it.
  ParameterMapWindow(const LoadedReport& report, QWidget* owner);
  ~ParameterMapWindow() override;

  void SavePictureClick();

  QComboBox* XBox;
  QComboBox* YBox;
  QComboBox* ColumnBox;
  QComboBox* AggregateBox;
  EnterButton* SaveButton;
  QLabel* LeftOutLine;
  QStackedWidget* Pages;
  QLabel* Message;
  QScrollArea* MapArea;
  MapCanvas* Map;
  ProfileChart* Profile;
  QLabel* NeighbourhoodLine;
  FileDialog* SaveDialog;

 signals:
  // A click on a cell: the cell's best pass on the column and the aggregate shown.
  void passClicked(core::PassNumber pass);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // A new report: it is mapped now, or when a hidden window is shown again.
  void FollowReport();
  // Marks the pass chosen in the main window, if any.
  void MarkChosenPass();
  void CreateControls();
  void BindEvents();
  // A new report: its parameters, the axes offered and the map.
  void Rebuild();
  // The map or profile for the axes, the column and the aggregate chosen.
  void Redraw();
  // The mark of the chosen pass and the line of its neighbourhood.
  void ShowMark();
  void ShowMessage(const QString& text);
  void CellClick(int x, int y);
  void FitToMap();

  std::unique_ptr<MappedReport> mapped_;
  const LoadedReport& report_;
  bool stale_ = false;
  bool rebuilding_ = false;
  bool fitted_ = false;
  std::optional<core::PassNumber> markedPass_;
};

}  // namespace kvl::ui
