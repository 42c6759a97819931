#pragma once

#include <QWidget>
#include <functional>
#include <memory>

class PassTable;
class QComboBox;
class QLabel;
class QScrollArea;
class QStackedWidget;
class MapCanvas;
struct MappedReport;
class ProfileChart;
class TButton;
class TFileDialog;

// The parameter map of the main window's loaded report, in a window of its own: the figures of a
// result column over two optimized parameters as a grid of coloured cells, or over one as a
// profile, with the chosen pass marked and its neighbourhood's figures under the map.
class ParameterMapWindow : public QWidget {
 public:
  explicit ParameterMapWindow(QWidget* owner);
  ~ParameterMapWindow() override;

  // Maps the passes in rows 0 to count-1 of `passes`, which must stay as they are until the next
  // call. A hidden window maps them when it is shown again.
  void FollowReport(const PassTable& passes, int count);
  // Marks pass `pass`, chosen in the main window; 0 marks none.
  void MarkPass(int pass);

  // A click on a cell: the number of the cell's best pass on the column and the aggregate shown.
  std::function<void(int pass)> OnPassClicked;

  void SavePictureClick();

  QComboBox* XBox;
  QComboBox* YBox;
  QComboBox* ColumnBox;
  QComboBox* AggregateBox;
  TButton* SaveButton;
  QLabel* LeftOutLine;
  QStackedWidget* Pages;
  QLabel* Message;
  QScrollArea* MapArea;
  MapCanvas* Map;
  ProfileChart* Profile;
  QLabel* NeighbourhoodLine;
  TFileDialog* SaveDialog;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
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
  const PassTable* passes_ = nullptr;
  int count_ = 0;
  bool stale_ = false;
  bool rebuilding_ = false;
  bool fitted_ = false;
  int markedPass_ = 0;
};
