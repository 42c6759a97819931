#include "ReportJoin.h"

#include <algorithm>
#include <memory>

#include "InputKeys.h"
#include "PassesByInputs.h"

namespace kvl::core {

namespace {

// A report's input names as its parameter space lists them: the optimized ones, then the
// constants.
std::vector<std::string_view> NamesOf(const ParameterSpace& space) {
  std::vector<std::string_view> names;
  for (const MapParameter& parameter : space.Optimized()) names.push_back(parameter.name);
  for (const MapParameter& parameter : space.Constants()) names.push_back(parameter.name);
  return names;
}

bool Contains(const std::vector<std::string_view>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

PairInputs MeetInputs(const std::vector<std::string_view>& base,
                      const std::vector<std::string_view>& other,
                      const std::vector<std::string>& on) {
  const auto named = [&on](std::string_view name) {
    return on.empty() || std::find(on.begin(), on.end(), name) != on.end();
  };
  PairInputs inputs;
  for (const std::string_view name : base) {
    if (!Contains(other, name)) {
      inputs.ignored.push_back(name);
    } else if (named(name)) {
      inputs.counted.push_back(name);
    } else {
      inputs.notCounted.push_back(name);
    }
  }
  for (const std::string_view name : other) {
    if (!Contains(base, name)) inputs.ignored.push_back(name);
  }
  for (const std::string& name : on) {
    if (!Contains(base, name) || !Contains(other, name)) inputs.missingOn.push_back(name);
  }
  return inputs;
}

}  // namespace

ReportJoin ReportJoin::Inputs(std::span<const ComparedReport> reports, const JoinRules& rules) {
  ReportJoin join;
  join.all_ = rules.all;
  join.onNames_ = std::make_shared<const std::vector<std::string>>(rules.on);
  std::vector<std::vector<std::string_view>> names;
  for (const ComparedReport& report : reports) {
    join.spaces_.push_back(ParameterSpace::Read(*report.table, report.count));
    names.push_back(NamesOf(join.spaces_.back()));
    ComparedCounts counts;
    counts.passes = report.count;
    counts.leftOut = join.spaces_.back().LeftOut().size();
    join.counts_.push_back(counts);
  }
  for (std::size_t r = 1; r < reports.size(); ++r) {
    join.pairs_.push_back(MeetInputs(names[0], names[r], *join.onNames_));
  }
  return join;
}

const PairInputs& ReportJoin::InputsOf(std::size_t r) const {
  return pairs_.at(r - 1);
}

bool ReportJoin::CanMatch() const noexcept {
  return std::all_of(pairs_.begin(), pairs_.end(), [](const PairInputs& inputs) {
    return !inputs.counted.empty() && inputs.missingOn.empty();
  });
}

void ReportJoin::Match() {
  const std::size_t reportCount = spaces_.size();
  const ParameterSpace& base = spaces_[0];
  // Rows are base passes, so a base pass stands for the passes with all of its inputs; a pass of
  // another report for those with the inputs its pair counts.
  const std::vector<std::string_view> baseNames = NamesOf(base);
  std::vector<InputValueNumbers> numbers(baseNames.size());
  const auto numbersOf = [&](std::string_view name) -> InputValueNumbers& {
    return numbers[static_cast<std::size_t>(std::find(baseNames.begin(), baseNames.end(), name) -
                                            baseNames.begin())];
  };
  InputFields nameFields;
  InputFields baseFields;
  for (const std::string_view name : baseNames) {
    nameFields.push_back(FieldOf(base, name, numbersOf(name)));
    // A constant is the same in every pass, so it keys nothing.
    if (!nameFields.back().Constant()) baseFields.push_back(nameFields.back());
  }
  std::vector<InputFields> pairBaseFields(reportCount);
  std::vector<InputFields> pairOtherFields(reportCount);
  std::vector<bool> constantsDiffer(reportCount, false);
  for (std::size_t r = 1; r < reportCount; ++r) {
    for (const std::string_view name : pairs_[r - 1].counted) {
      InputField other = FieldOf(spaces_[r], name, numbersOf(name));
      const InputField& baseField = nameFields[static_cast<std::size_t>(
          std::find(baseNames.begin(), baseNames.end(), name) - baseNames.begin())];
      if (other.Constant() && baseField.Constant()) {
        if (other.numberOfValue[0] != baseField.numberOfValue[0]) constantsDiffer[r] = true;
        continue;
      }
      pairOtherFields[r].push_back(std::move(other));
      pairBaseFields[r].push_back(baseField);
    }
  }

  const PassesByInputs basePasses(base, baseFields);
  counts_[0].repeated = basePasses.Repeated();
  std::vector<std::unique_ptr<PassesByInputs>> others(reportCount);
  std::vector<std::vector<bool>> matched(reportCount);
  for (std::size_t r = 1; r < reportCount; ++r) {
    others[r] = std::make_unique<PassesByInputs>(spaces_[r], pairOtherFields[r]);
    counts_[r].repeated = others[r]->Repeated();
    matched[r].assign(spaces_[r].PassCount() + 1, false);
  }

  rows_ = HugeVectorFor<std::uint32_t>(base.PassCount() * reportCount);
  std::vector<std::uint32_t> row(reportCount);
  for (std::uint32_t pass = 1; pass <= base.PassCount(); ++pass) {
    if (!basePasses.Stands(pass)) continue;
    const std::span<const std::uint32_t> coordinates = base.Coordinates(pass);
    row[0] = pass;
    bool complete = true;
    for (std::size_t r = 1; r < reportCount; ++r) {
      row[r] = constantsDiffer[r] ? 0 : others[r]->Find(pairBaseFields[r], coordinates);
      matched[r][row[r]] = true;
      complete = complete && row[r] != 0;
    }
    if (!complete) ++counts_[0].unmatched;
    if (complete || all_) rows_.insert(rows_.end(), row.begin(), row.end());
  }
  for (std::size_t r = 1; r < reportCount; ++r) {
    for (std::uint32_t pass = 1; pass <= spaces_[r].PassCount(); ++pass) {
      if (!matched[r][pass] && others[r]->Stands(pass)) ++counts_[r].unmatched;
    }
  }
}

std::size_t ReportJoin::ReportCount() const noexcept {
  return spaces_.size();
}

std::size_t ReportJoin::RowCount() const noexcept {
  return spaces_.empty() ? 0 : rows_.size() / spaces_.size();
}

std::uint32_t ReportJoin::BasePass(std::size_t row) const noexcept {
  return rows_[row * spaces_.size()];
}

std::uint32_t ReportJoin::PassOf(std::size_t row, std::size_t r) const noexcept {
  return rows_[row * spaces_.size() + r];
}

std::optional<std::size_t> ReportJoin::RowOfBasePass(std::uint32_t pass) const noexcept {
  std::size_t low = 0;
  std::size_t high = RowCount();
  while (low < high) {
    const std::size_t middle = low + (high - low) / 2;
    if (BasePass(middle) < pass) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  if (low < RowCount() && BasePass(low) == pass) return low;
  return std::nullopt;
}

const ComparedCounts& ReportJoin::CountsOf(std::size_t r) const {
  return counts_.at(r);
}

}  // namespace kvl::core
