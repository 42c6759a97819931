#include "ParametersJson.h"

#include <nlohmann/json.hpp>
#include <string_view>

#include <cli/ReadableJson.h>
#include <core/CodePage.h>

namespace kvl::cli {

namespace {

using Json = nlohmann::ordered_json;

std::string_view ReasonName(core::LeftOutReason reason) {
  switch (reason) {
    case core::LeftOutReason::kRepeatedName:
      return "repeated-parameter";
    case core::LeftOutReason::kMissingName:
      return "missing-parameter";
    case core::LeftOutReason::kExtraName:
      return "extra-parameter";
    case core::LeftOutReason::kNotPairs:
      break;
  }
  return "not-pairs";
}

void AddParameters(Json& parameters, const std::vector<core::MapParameter>& kind,
                   std::string_view kindName) {
  for (const core::MapParameter& parameter : kind) {
    Json values = Json::array();
    for (const std::string_view value : parameter.values) values.push_back(core::AnsiToUtf8(value));
    parameters.push_back({{"name", core::AnsiToUtf8(parameter.name)},
                          {"kind", kindName},
                          {"valueCount", parameter.values.size()},
                          {"values", std::move(values)}});
  }
}

}  // namespace

void WriteParametersJson(std::ostream& out, const core::ParameterSpace& space) {
  Json parameters = Json::array();
  AddParameters(parameters, space.Optimized(), "optimized");
  AddParameters(parameters, space.Constants(), "constant");
  Json leftOut = Json::array();
  for (const core::LeftOutPass& pass : space.LeftOut()) {
    leftOut.push_back(
        {{"pass", pass.pass},
         {"reason", ReasonName(pass.reason)},
         {"parameter", pass.name.empty() ? Json(nullptr) : Json(core::AnsiToUtf8(pass.name))}});
  }
  WriteReadableJson(out, {{"parameters", std::move(parameters)},
                          {"passes", space.PassCount()},
                          {"leftOut", std::move(leftOut)}});
}

}  // namespace kvl::cli
