#include "JoinedReports.h"

#include <stdexcept>
#include <utility>

#include <cli/parametermap/ReportParameters.h>
#include <cli/reports/ReportInput.h>
#include <cli/reports/ReportPasses.h>
#include <cli/translation/Translation.h>
#include <core/CodePage.h>
#include <core/Exceptions.h>
#include <core/join/TestedPeriod.h>
#include <core/parametermap/ParameterSpace.h>

namespace kvl::cli {

namespace {

bool HasInput(const core::ParameterSpace& space, std::string_view name) {
  return space.OptimizedNamed(name) || space.ConstantNamed(name) != nullptr;
}

}  // namespace

JoinedReports::JoinedReports(std::span<const std::string> paths, std::vector<std::string> labels,
                             const core::JoinRules& rules)
    : labels_(std::move(labels)) {
  for (const std::string& path : paths) {
    ReportInput input(path);
    core::ReportFile file = input.Read();
    const std::optional<core::TestedPeriod> period = core::ReadTestedPeriod(file);
    auto& table = tables_.emplace_back(std::make_unique<core::PassTable>());
    const std::size_t count = LoadReportPasses(input, std::move(file), *table);
    reports_.push_back({table.get(), count, period});
  }
  join_.emplace(core::ReportJoin::Inputs(reports_, rules));
  if (!join_->CanMatch()) RefuseMatch();
  join_->Match();
  baseSlots_.reserve(join_->RowCount());
  for (std::size_t row = 0; row < join_->RowCount(); ++row) {
    baseSlots_.push_back(join_->BasePass(row) - 1);
  }
}

void JoinedReports::RefuseMatch() const {
  for (std::size_t r = 1; r < reports_.size(); ++r) {
    const core::PairInputs& inputs = join_->InputsOf(r);
    for (const std::string_view name : inputs.missingOn) {
      const std::string utf8Name = core::AnsiToUtf8(name);
      for (const std::size_t lacking : {std::size_t{0}, r}) {
        const core::ComparedReport& report = reports_[lacking];
        const core::ParameterSpace space = core::ParameterSpace::Read(*report.table, report.count);
        if (HasInput(space, name)) continue;
        throw core::Exception(
            Tr("--on {1}: {2} has no such input; its optimized inputs are {3}, the constant ones "
               "{4}",
               {utf8Name, labels_[lacking], NameList(space.Optimized()),
                NameList(space.Constants())}));
      }
      throw core::Exception(Tr("--on {1}: not an input of both {2} and {3}",
                               {utf8Name, labels_.front(), labels_[r]}));
    }
    if (inputs.counted.empty()) {
      throw core::Exception(
          Tr("{1} and {2} share no input to match their passes by", {labels_.front(), labels_[r]}));
    }
  }
  throw std::logic_error("the join can match, yet it says it cannot");
}

}  // namespace kvl::cli
