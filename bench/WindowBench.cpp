// The window's load command and header click on 120000 passes, each beside the core call it
// wraps. The window adds a row count and a repaint of the visible rows, so the pairs should be
// close (goal: the window within 1.5 times the core call).

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

namespace {

constexpr int kProfitColumn = 1;

// One shown window for the whole run; its open dialog answers with the generated report.
TFormMain& Window() {
  static const std::unique_ptr<TFormMain> form = [] {
    auto created = std::make_unique<TFormMain>();
    created->OpenDialog1->Chooser = [](TFileDialog& dialog) {
      dialog.FileName = QString::fromStdString(BenchReportPath());
      return true;
    };
    created->show();
    QApplication::processEvents();
    return created;
  }();
  return *form;
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

BENCHMARK(BM_LoadReportAlone)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_LoadThroughWindow)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SortPassesAlone)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SortThroughHeaderClick)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QApplication application(qtArgc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
