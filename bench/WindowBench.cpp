// The window's load command and header click on 120000 passes, each beside the core call it
// wraps. The window adds a row count and a repaint of the visible rows, so the pairs should be
// close (goal: the window within 1.5 times the core call). Then the parameter map's window
// opening over those passes (goal: under 0.3 s).

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "BenchReport.h"
#include "Main.h"
#include "ReportLoader.h"
#include "SortPasses.h"
#include "WindowPasses.h"
#include "parametermap/ParameterMapWindow.h"

namespace {

constexpr int kProfitColumn = 1;

// One shown window for the whole run, made on first use; its open dialog answers with the
// generated report. It must go before the application object does.
std::unique_ptr<TFormMain> shownWindow;

TFormMain& Window() {
  if (!shownWindow) {
    shownWindow = std::make_unique<TFormMain>();
    shownWindow->OpenDialog1->Chooser = [](TFileDialog& dialog) {
      dialog.FileName = QString::fromStdString(BenchReportPath());
      return true;
    };
    shownWindow->show();
    QApplication::processEvents();
  }
  return *shownWindow;
}

void ClickProfitHeader(TFormMain& form) {
  QHeaderView* header = form.RzListView1->header();
  const QPoint centre(
      header->sectionViewportPosition(kProfitColumn) + header->sectionSize(kProfitColumn) / 2,
      header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
}

void BM_LoadReportAlone(benchmark::State& state) {
  const std::string& path = BenchReportPath();
  for (auto _ : state) benchmark::DoNotOptimize(LoadReport(path, OptItems));
}

// From an empty list: the click, the load, the new row count and the repaint that follows.
void BM_LoadThroughWindow(benchmark::State& state) {
  TFormMain& form = Window();
  for (auto _ : state) {
    state.PauseTiming();
    form.RzListView1->SetItemCount(0);
    QApplication::processEvents();
    state.ResumeTiming();
    QTest::mouseClick(form.RzButton1, Qt::LeftButton);
    QApplication::processEvents();
  }
  if (form.RzListView1->ItemCount() != static_cast<int>(kBenchPasses))
    state.SkipWithError("no load");
}

// Every sort starts from the load order and puts the largest profit first.
void RestoreLoadOrder(int n) {
  SortPasses(0, false, n, OptItems);
  ColumnSortFlags = {};
}

void BM_SortPassesAlone(benchmark::State& state) {
  const int n = LoadReport(BenchReportPath(), OptItems);
  for (auto _ : state) {
    state.PauseTiming();
    RestoreLoadOrder(n);
    state.ResumeTiming();
    SortColumnInNextDirection(kProfitColumn, n, OptItems, ColumnSortFlags);
  }
}

void BM_SortThroughHeaderClick(benchmark::State& state) {
  TFormMain& form = Window();
  form.RzListView1->SetItemCount(LoadReport(BenchReportPath(), OptItems));
  const int n = form.RzListView1->ItemCount();
  for (auto _ : state) {
    state.PauseTiming();
    RestoreLoadOrder(n);
    QApplication::processEvents();
    state.ResumeTiming();
    ClickProfitHeader(form);
    QApplication::processEvents();
  }
  if (!ColumnSortFlags[kProfitColumn]) state.SkipWithError("the click did not sort");
}

// From no map window to the map shown and painted, as the list's menu item opens it; with a
// chosen pass (argument 1) it also marks that pass and gives its neighbourhood's figures.
void BM_OpenParameterMap(benchmark::State& state) {
  TFormMain& form = Window();
  // Through the load command, which the map window follows.
  QTest::mouseClick(form.RzButton1, Qt::LeftButton);
  if (state.range(0) == 1) form.ChoosePass(static_cast<int>(kBenchPasses / 2));
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

BENCHMARK(BM_LoadReportAlone)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LoadThroughWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SortPassesAlone)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SortThroughHeaderClick)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_OpenParameterMap)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0);

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
