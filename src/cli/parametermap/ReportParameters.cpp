#include "ReportParameters.h"

#include <cli/reports/ReportPasses.h>
#include <core/CodePage.h>
#include <core/Exceptions.h>

namespace kvl::cli {

namespace {

std::string NameList(const std::vector<core::MapParameter>& parameters) {
  std::string names;
  for (const core::MapParameter& parameter : parameters) {
    names += (names.empty() ? "" : ", ") + core::AnsiToUtf8(parameter.name);
  }
  return names.empty() ? "none" : names;
}

}  // namespace

ReportParameters::ReportParameters(const std::string& path)
    : count(LoadReportPasses(path, table)), space(core::ParameterSpace::Read(table, count)) {}

std::string LeftOutText(const core::LeftOutPass& pass) {
  const std::string name = core::AnsiToUtf8(pass.name);
  switch (pass.reason) {
    case core::LeftOutReason::kNotPairs:
      break;
    case core::LeftOutReason::kRepeatedName:
      return "it names the parameter " + name + " twice";
    case core::LeftOutReason::kMissingName:
      return "it lacks the parameter " + name;
    case core::LeftOutReason::kExtraName:
      return "it has the parameter " + name + ", which the other passes lack";
  }
  return "its parameter text does not split into name=value pairs";
}

void RequireOptimized(const core::ParameterSpace& space) {
  if (space.Optimized().empty()) {
    throw core::Exception("The report has no optimized parameters: every pass has the same values");
  }
}

std::size_t OptimizedAxis(const core::ParameterSpace& space, std::string_view option,
                          std::string_view utf8Name) {
  RequireOptimized(space);
  const std::string name = core::Utf16ToAnsi(core::Utf8ToUtf16(utf8Name));
  if (const std::optional<std::size_t> axis = space.OptimizedNamed(name)) return *axis;
  if (const core::MapParameter* constant = space.ConstantNamed(name)) {
    throw core::Exception(
        std::string(option) + " " + std::string(utf8Name) + ": the parameter is constant (" +
        core::AnsiToUtf8(constant->values.front()) +
        " in every pass); the optimized parameters are " + NameList(space.Optimized()));
  }
  RefuseUnknownParameter(space, option, utf8Name);
}

void RefuseUnknownParameter(const core::ParameterSpace& space, std::string_view option,
                            std::string_view named) {
  throw core::Exception(std::string(option) + " " + std::string(named) +
                        ": no such parameter; the optimized parameters are " +
                        NameList(space.Optimized()) + ", the constant ones " +
                        NameList(space.Constants()));
}

}  // namespace kvl::cli
