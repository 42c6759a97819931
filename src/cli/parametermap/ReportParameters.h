#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include <core/PassTable.h>
#include <core/parametermap/ParameterSpace.h>

namespace kvl::cli {

// A report loaded for the parameter commands, with the parameters of its passes.
struct ReportParameters {
  explicit ReportParameters(const std::string& path);

  core::PassTable table;
  std::size_t count = 0;
  core::ParameterSpace space;
};

// Why a pass is left out of the map, as a phrase after "pass N: ". UTF-8.
std::string LeftOutText(const core::LeftOutPass& pass);

// The position in space.Optimized() of the parameter a command names in UTF-8 after `option`.
// Raises Exception, naming the parameters that exist, when there is no such parameter, and
// saying so when it is constant.
std::size_t OptimizedAxis(const core::ParameterSpace& space, std::string_view option,
                          std::string_view utf8Name);

// The parameters' names separated by ", ", UTF-8; "none" in the user's language for none.
std::string NameList(const std::vector<core::MapParameter>& parameters);

// Raises Exception saying that `option` `named` (UTF-8) names no parameter, and naming those of
// `space` that there are.
[[noreturn]] void RefuseUnknownParameter(const core::ParameterSpace& space, std::string_view option,
                                         std::string_view named);

// Raises Exception when the report has no optimized parameter.
void RequireOptimized(const core::ParameterSpace& space);

}  // namespace kvl::cli
