#include "JoinColumns.h"

#include <cli/translation/Translation.h>

namespace kvl::cli {

std::vector<JoinColumnHead> JoinColumnHeads(std::span<const std::string> labels) {
  using Kind = JoinColumnHead::Kind;
  std::vector<JoinColumnHead> heads;
  for (std::size_t r = 0; r < labels.size(); ++r) {
    for (const core::ResultColumn& column : core::kResultColumns) {
      heads.push_back({Kind::kReportCell, r, &column, labels[r] + ':' + std::string(column.name),
                       labels[r] + ": " + ResultColumnCaption(column)});
    }
  }
  // TRANSLATORS: caption of the aligned table: the lowest profit of a pass over the reports.
  heads.push_back(
      {Kind::kProfitWorst, 0, &core::kResultColumns[1], "profit-worst", Tr("Worst profit")});
  for (std::size_t r = 1; r < labels.size(); ++r) {
    // TRANSLATORS: caption of the aligned table: {1} is a report's label; the walk-forward
    // efficiency, the report's profit per year over the base report's.
    heads.push_back({Kind::kEfficiency, r, nullptr, labels[r] + ":efficiency",
                     Tr("{1}: efficiency", {labels[r]})});
  }
  return heads;
}

std::vector<std::string> JoinColumnNames(std::span<const std::string> labels) {
  std::vector<std::string> names;
  for (JoinColumnHead& head : JoinColumnHeads(labels)) names.push_back(std::move(head.name));
  return names;
}

JoinColumns::JoinColumns(const JoinedReports& reports)
    : heads_(JoinColumnHeads(reports.Labels())),
      figures_(std::make_unique<core::JoinFigures>(reports.Join(), reports.Reports())),
      texts_(heads_.size(), std::vector<std::string_view>(reports.BaseCount())) {
  const std::vector<std::size_t>& slots = reports.BaseSlots();
  for (std::size_t c = 0; c < heads_.size(); ++c) {
    for (std::size_t row = 0; row < slots.size(); ++row) {
      texts_[c][slots[row]] = Text(reports, heads_[c], row);
    }
  }
}

std::string_view JoinColumns::Text(const JoinedReports& reports, const JoinColumnHead& head,
                                   std::size_t row) const {
  switch (head.kind) {
    case JoinColumnHead::Kind::kProfitWorst:
      return figures_->ProfitWorst(row);
    case JoinColumnHead::Kind::kEfficiency:
      return figures_->Efficiency(row, head.report);
    case JoinColumnHead::Kind::kReportCell:
      break;
  }
  const std::uint32_t pass = reports.Join().PassOf(row, head.report);
  if (pass == 0) return {};
  return (*reports.Reports()[head.report].table)[pass - 1].*head.cellsOf->field;
}

std::vector<ListedColumn> JoinColumns::Listed() const {
  std::vector<ListedColumn> columns;
  for (std::size_t c = 0; c < heads_.size(); ++c) {
    columns.push_back({heads_[c].name, heads_[c].caption, nullptr, texts_[c]});
  }
  return columns;
}

std::vector<FigureColumn> JoinColumns::Sortable() const {
  std::vector<FigureColumn> columns;
  for (std::size_t c = 0; c < heads_.size(); ++c) {
    columns.push_back({heads_[c].name, texts_[c], heads_[c].cellsOf});
  }
  return columns;
}

}  // namespace kvl::cli
