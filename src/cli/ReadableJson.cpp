#include "ReadableJson.h"

#include <algorithm>
#include <string>

namespace kvl::cli {

namespace {

using Json = nlohmann::ordered_json;

std::string Scalar(const Json& json) {
  return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

void WriteOnOneLine(std::ostream& out, const Json& json) {
  if (json.is_object()) {
    out << '{';
    bool first = true;
    for (const auto& [key, value] : json.items()) {
      out << (first ? "" : ", ") << Scalar(Json(key)) << ": ";
      WriteOnOneLine(out, value);
      first = false;
    }
    out << '}';
  } else if (json.is_array()) {
    out << '[';
    for (std::size_t k = 0; k < json.size(); ++k) {
      out << (k ? ", " : "");
      WriteOnOneLine(out, json[k]);
    }
    out << ']';
  } else {
    out << Scalar(json);
  }
}

void WriteIndented(std::ostream& out, const Json& json, std::size_t indent) {
  const std::string inner(indent + 2, ' ');
  const bool ofObjects = json.is_array() && std::ranges::any_of(json, [](const Json& item) {
                           return item.is_object();
                         });
  if (json.is_object() && !json.empty()) {
    out << '{';
    bool first = true;
    for (const auto& [key, value] : json.items()) {
      out << (first ? "\n" : ",\n") << inner << Scalar(Json(key)) << ": ";
      WriteIndented(out, value, indent + 2);
      first = false;
    }
    out << '\n' << std::string(indent, ' ') << '}';
  } else if (ofObjects) {
    out << '[';
    for (std::size_t k = 0; k < json.size(); ++k) {
      out << (k ? ",\n" : "\n") << inner;
      WriteOnOneLine(out, json[k]);
    }
    out << '\n' << std::string(indent, ' ') << ']';
  } else {
    WriteOnOneLine(out, json);
  }
}

}  // namespace

void WriteReadableJson(std::ostream& out, const nlohmann::ordered_json& json) {
  WriteIndented(out, json, 0);
  out << '\n';
}

void WriteReadableJson(std::ostream& out, const nlohmann::ordered_json& json, std::size_t indent) {
  WriteIndented(out, json, indent);
}

}  // namespace kvl::cli
