// The window's load command and header click on 120000 passes, each beside the core call it
// wraps. The window adds a row count and a repaint of the visible rows, so the pairs should be
// close (goal: the window within 1.5 times the core call). Then the parameter map's window
// opening over those passes, and the comparison's window over them and another report of as many
// (goal for both: under 0.3 s).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <memory>

#include <core/ReportLoader.h>
#include <core/sort/RowOrder.h>
#include <ui/comparison/ComparisonWindow.h>
#include <ui/mainwindow/MainWindow.h>
#include <ui/parametermap/ParameterMapWindow.h>
#include <ui/widgets/FileDialog.h>
#include <ui/widgets/ResultsView.h>

#include "BenchReport.h"

using namespace kvl::core;
using namespace kvl::ui;

namespace {

constexpr int kIndexColumn = 0;
constexpr int kProfitColumn = 1;

// One shown window for the whole run, made on first use; its open dialog answers with the
// generated report. It must go before the application object does.
std::unique_ptr<MainWindow> shownWindow;

MainWindow& Window() {
  if (!shownWindow) {
    shownWindow = std::make_unique<MainWindow>();
    shownWindow->OpenDialog().Chooser = [](FileDialog& dialog) {
      dialog.FileName = QString::fromStdString(BenchReportPath());
      return true;
    };
    shownWindow->show();
    QApplication::processEvents();
  }
  return *shownWindow;
}

ResultsView& ResultsList(MainWindow& form) {
  return *form.findChild<ResultsView*>(QStringLiteral("RzListView1"));
}

void ClickHeader(MainWindow& form, int column) {
  QHeaderView* header = ResultsList(form).header();
  const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                      header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
}

void ClickLoadButton(MainWindow& form) {
  QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("RzButton1")), Qt::LeftButton);
}

void BM_LoadReportAlone(benchmark::State& state) {
  const std::string& path = BenchReportPath();
  PassTable table;
  for (auto _ : state) benchmark::DoNotOptimize(LoadReport(path, table));
}

// The click, the load, the rows' new texts and the repaint that follows, in a window that shows
// the same report already, as a user's reload: a new window for every load would measure its
// first paint and the memory its predecessor gave back as well.
void BM_LoadThroughWindow(benchmark::State& state) {
  MainWindow& form = Window();
  for (auto _ : state) {
    ClickLoadButton(form);
    QApplication::processEvents();
  }
  if (ResultsList(form).model()->rowCount() != static_cast<int>(kBenchPasses))
    state.SkipWithError("no load");
}

// Every sort starts from the load order and puts the largest profit first.
void BM_SortPassesAlone(benchmark::State& state) {
  PassTable table;
  const auto n = static_cast<std::size_t>(LoadReport(BenchReportPath(), table));
  RowOrder order;
  SortFlags flags{};
  for (auto _ : state) {
    state.PauseTiming();
    order.Reset(n);
    flags = {};
    state.ResumeTiming();
    SortColumnInNextDirection(table, kProfitColumn, order, flags);
  }
}

// The window's rows back in the load order, the index sorted smallest first, with the profit
// column's next click putting the largest first.
void RestoreLoadOrder(MainWindow& form) {
  if (form.Report().SortedLargestFirst(kProfitColumn)) ClickHeader(form, kProfitColumn);
  do {
    ClickHeader(form, kIndexColumn);
  } while (form.Report().SortedLargestFirst(kIndexColumn));
}

void BM_SortThroughHeaderClick(benchmark::State& state) {
  MainWindow& form = Window();
  ClickLoadButton(form);
  for (auto _ : state) {
    state.PauseTiming();
    RestoreLoadOrder(form);
    QApplication::processEvents();
    state.ResumeTiming();
    ClickHeader(form, kProfitColumn);
    QApplication::processEvents();
  }
  if (!form.Report().SortedLargestFirst(kProfitColumn))
    state.SkipWithError("the click did not sort");
}

// From no map window to the map shown and painted, as the list's menu item opens it; with a
// chosen pass (argument 1) it also marks that pass and gives its neighbourhood's figures.
void BM_OpenParameterMap(benchmark::State& state) {
  MainWindow& form = Window();
  // Through the load command, which the map window follows.
  ClickLoadButton(form);
  if (state.range(0) == 1) form.ChoosePass(PassNumber{kBenchPasses / 2});
  for (auto _ : state) {
    state.PauseTiming();
    delete form.ParameterMap();
    QApplication::processEvents();
    state.ResumeTiming();
    form.ShowParameterMap();
    QApplication::processEvents();
  }
  if (form.ParameterMap() == nullptr || !form.ParameterMap()->isVisible()) {
    state.SkipWithError("no map window");
  }
}

// From no comparison window to the comparison shown and painted, as the list's menu item opens it
// once the open dialog has given the other report: the other report read and loaded, the base's
// read again for its period, the join with its figures, the chart and the table. The other report
// is the base's passes as an English terminal saves them, so that every pass joins.
void BM_OpenComparison(benchmark::State& state) {
  MainWindow& form = Window();
  ClickLoadButton(form);
  form.ChoosePass(PassNumber{kBenchPasses / 2});
  FileDialog& dialog = form.OpenDialog();
  const auto loadChooser = dialog.Chooser;
  dialog.Chooser = [](FileDialog& shown) {
    shown.FileName =
        QString::fromStdString(BenchReportPath(kBenchPasses, 1, ReportLanguage::kEnglish));
    return true;
  };
  for (auto _ : state) {
    state.PauseTiming();
    delete form.Comparison();
    QApplication::processEvents();
    state.ResumeTiming();
    form.CompareWithReport();
    QApplication::processEvents();
  }
  dialog.Chooser = loadChooser;
  if (form.Comparison() == nullptr || !form.Comparison()->isVisible()) {
    state.SkipWithError("no comparison window");
  }
}

BENCHMARK(BM_LoadReportAlone)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LoadThroughWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SortPassesAlone)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SortThroughHeaderClick)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_OpenParameterMap)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_OpenComparison)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  shownWindow.reset();
  return 0;
}
