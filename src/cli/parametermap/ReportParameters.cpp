#include "ReportParameters.h"

#include <core/CodePage.h>
#include <core/Exceptions.h>
#include <core/ReportLoader.h>

namespace {

std::string NameList(const std::vector<MapParameter>& parameters) {
  std::string names;
  for (const MapParameter& parameter : parameters) {
    names += (names.empty() ? "" : ", ") + AnsiToUtf8(parameter.name);
  }
  return names.empty() ? "none" : names;
}

}  // namespace

ReportParameters::ReportParameters(const std::string& path)
    : count(static_cast<std::size_t>(LoadReport(path, table))),
      space(ParameterSpace::Read(table, count)) {}

std::string LeftOutText(const LeftOutPass& pass) {
  const std::string name = AnsiToUtf8(pass.name);
  switch (pass.reason) {
    case LeftOutReason::kNotPairs:
      break;
    case LeftOutReason::kRepeatedName:
      return "it names the parameter " + name + " twice";
    case LeftOutReason::kMissingName:
      return "it lacks the parameter " + name;
    case LeftOutReason::kExtraName:
      return "it has the parameter " + name + ", which the other passes lack";
  }
  return "its parameter text does not split into name=value pairs";
}

void RequireOptimized(const ParameterSpace& space) {
  if (space.Optimized().empty()) {
    throw Exception("The report has no optimized parameters: every pass has the same values");
  }
}

std::size_t OptimizedAxis(const ParameterSpace& space, std::string_view option,
                          std::string_view utf8Name) {
  RequireOptimized(space);
  const std::string name = Utf16ToAnsi(Utf8ToUtf16(utf8Name));
  if (const std::optional<std::size_t> axis = space.OptimizedNamed(name)) return *axis;
  const std::string optimized = NameList(space.Optimized());
  if (const MapParameter* constant = space.ConstantNamed(name)) {
    throw Exception(std::string(option) + " " + std::string(utf8Name) +
                    ": the parameter is constant (" + AnsiToUtf8(constant->values.front()) +
                    " in every pass); the optimized parameters are " + optimized);
  }
  throw Exception(std::string(option) + " " + std::string(utf8Name) +
                  ": no such parameter; the optimized parameters are " + optimized +
                  ", the constant ones " + NameList(space.Constants()));
}
