#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

#include <cli/CommandDispatch.h>
#include <cli/selection/PassSelection.h>
#include <cli/setfiles/BatchExport.h>
#include <core/ReportLoader.h>
#include <core/SetFile.h>

#include "BenchReport.h"
#include "TestFiles.h"

using namespace kvl::core;
using namespace kvl::cli;

namespace {

constexpr std::size_t kExportedPasses = 1000;

// Takes whatever the tool writes and keeps none of it.
class DiscardBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return c; }
  std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

int RunTool(const std::vector<std::string_view>& args) {
  DiscardBuffer discard;
  std::ostream out(&discard);
  std::ostream err(&discard);
  return DispatchCommand(args, out, err);
}

// The yardstick: reading the report into a table, as every command starts.
void BM_LoadReport(benchmark::State& state) {
  for (auto _ : state) {
    auto table = std::make_unique<PassTable>();
    benchmark::DoNotOptimize(LoadReport(BenchReportPath(), *table));
  }
}

// The whole command, load included: to stay within twice the load.
void BM_ListSortedFilteredTsv(benchmark::State& state) {
  const std::vector<std::string_view> args = {
      "list",    BenchReportPath(), "--sort",   "profit:desc",
      "--where", "trades>=100",     "--format", "tsv"};
  for (auto _ : state) {
    if (RunTool(args) != 0) state.SkipWithError("list failed");
  }
}

// A new folder for each run, all of them removed only when the program ends: on ext4 without a
// journal, creating a file skips every inode freed in the last half minute, one by one, so files
// removed between runs would make the next run's files slow to create, a cost that an export into
// a new folder does not pay. Keep TMPDIR off a folder that others fill and empty all the time
// for the same reason.
std::filesystem::path NewFolder() {
  static const TempDir dir;
  static std::size_t made = 0;
  return dir.Path() / ("sets-" + std::to_string(++made));
}

// The whole command, load included, writing into a new folder each time.
void BM_ExportTop1000(benchmark::State& state) {
  const std::string top = std::to_string(kExportedPasses);
  for (auto _ : state) {
    state.PauseTiming();
    const std::string folder = NewFolder().string();
    const std::vector<std::string_view> args = {"export", BenchReportPath(), "--top", top,
                                                "--sort", "profit:desc",     "--dir", folder};
    state.ResumeTiming();
    if (RunTool(args) != 0) state.SkipWithError("export failed");
  }
}

// What the export adds to the load: the sort, the names and the 1000 files in a new folder; to
// stay under the load.
void BM_ExportTop1000AfterLoad(benchmark::State& state) {
  PassSelection selection;
  selection.sorts = {{1, true}};  // profit, largest first
  selection.limit = kExportedPasses;
  BatchExport batch{{}, FileNameTemplate("{index}.set"), false, {}};
  auto table = std::make_unique<PassTable>();
  const auto count = static_cast<std::size_t>(LoadReport(BenchReportPath(), *table));
  DiscardBuffer discard;
  std::ostream out(&discard);
  for (auto _ : state) {
    batch.folder = NewFolder();
    const SelectedRows rows = SelectRows(*table, count, selection);
    ExportSetFiles(*table, rows.slots, batch, out);
  }
}

// The floor under the two above: 1000 set files of a typical size written into a new folder as
// the export writes them, which on a slow disk costs more than all the tool's own work.
void BM_Write1000FilesAlone(benchmark::State& state) {
  const std::string text(400, 'x');
  for (auto _ : state) {
    const std::filesystem::path folder = NewFolder();
    std::filesystem::create_directory(folder);
    SetFileBatch batch(folder.string());
    for (std::size_t k = 1; k <= kExportedPasses; ++k) {
      batch.Write((folder / (std::to_string(k) + ".set")).string(), text);
    }
    batch.Finish();
  }
}

BENCHMARK(BM_LoadReport)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ListSortedFilteredTsv)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ExportTop1000)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_ExportTop1000AfterLoad)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Write1000FilesAlone)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
