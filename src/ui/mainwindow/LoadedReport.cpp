#include "LoadedReport.h"

#include <core/ReportLoader.h>
#include <ui/encoding/NativePath.h>

namespace kvl::ui {

LoadedReport::LoadedReport(QObject* parent) : QObject(parent) {}

int LoadedReport::Load(const QString& path) {
  const int n = core::LoadReport(NativePath(path), passes_);
  // No pass was stored, so the table still holds the passes that the rows show.
  if (n == 0) return 0;
  rows_ = core::RowOrder(static_cast<std::size_t>(n));
  path_ = path;
  chosenPass_.reset();
  emit loaded();
  return n;
}

void LoadedReport::SortColumn(int columnId) {
  try {
    core::SortColumnInNextDirection(passes_, columnId, rows_, sortFlags_);
  } catch (...) {
    emit reordered();
    throw;
  }
  emit reordered();
}

core::PassNumber LoadedReport::PassAt(int row) const {
  return rows_.PassAt(core::Row{static_cast<std::size_t>(row)});
}

std::optional<int> LoadedReport::RowOf(core::PassNumber pass) const {
  const std::optional<core::Row> row = rows_.RowOf(pass);
  if (!row) return std::nullopt;
  return static_cast<int>(row->value);
}

bool LoadedReport::SortedLargestFirst(int columnId) const {
  return sortFlags_.at(static_cast<std::size_t>(columnId));
}

void LoadedReport::ChoosePass(core::PassNumber pass) {
  chosenPass_ = pass;
  emit passChosen(pass);
}

}  // namespace kvl::ui
