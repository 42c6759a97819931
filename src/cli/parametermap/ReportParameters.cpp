#include "ReportParameters.h"

#include <cli/reports/ReportPasses.h>
#include <cli/translation/Translation.h>
#include <core/CodePage.h>
#include <core/Exceptions.h>

namespace kvl::cli {

std::string NameList(const std::vector<core::MapParameter>& parameters) {
  std::string names;
  for (const core::MapParameter& parameter : parameters) {
    names += (names.empty() ? "" : ", ") + core::AnsiToUtf8(parameter.name);
  }
  // TRANSLATORS: stands for a list of parameters that has none.
  return names.empty() ? Tr("none") : names;
}

ReportParameters::ReportParameters(const std::string& path)
    : count(LoadReportPasses(path, table)), space(core::ParameterSpace::Read(table, count)) {}

std::string LeftOutText(const core::LeftOutPass& pass) {
  const std::string name = core::AnsiToUtf8(pass.name);
  switch (pass.reason) {
    case core::LeftOutReason::kNotPairs:
      break;
    case core::LeftOutReason::kRepeatedName:
      return Tr("it names the parameter {1} twice", {name});
    case core::LeftOutReason::kMissingName:
      return Tr("it lacks the parameter {1}", {name});
    case core::LeftOutReason::kExtraName:
      return Tr("it has the parameter {1}, which the other passes lack", {name});
  }
  return Tr("its parameter text does not split into name=value pairs");
}

void RequireOptimized(const core::ParameterSpace& space) {
  if (space.Optimized().empty()) {
    throw core::Exception(
        Tr("The report has no optimized parameters: every pass has the same values"));
  }
}

std::size_t OptimizedAxis(const core::ParameterSpace& space, std::string_view option,
                          std::string_view utf8Name) {
  RequireOptimized(space);
  const std::string name = core::Utf16ToAnsi(core::Utf8ToUtf16(utf8Name));
  if (const std::optional<std::size_t> axis = space.OptimizedNamed(name)) return *axis;
  if (const core::MapParameter* constant = space.ConstantNamed(name)) {
    throw core::Exception(Tr(
        "{1} {2}: the parameter is constant ({3} in every pass); the optimized parameters are {4}",
        {option, utf8Name, core::AnsiToUtf8(constant->values.front()),
         NameList(space.Optimized())}));
  }
  RefuseUnknownParameter(space, option, utf8Name);
}

void RefuseUnknownParameter(const core::ParameterSpace& space, std::string_view option,
                            std::string_view named) {
  throw core::Exception(
      Tr("{1} {2}: no such parameter; the optimized parameters are {3}, the constant ones {4}",
         {option, named, NameList(space.Optimized()), NameList(space.Constants())}));
}

}  // namespace kvl::cli
