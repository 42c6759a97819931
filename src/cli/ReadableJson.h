#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <ostream>

namespace kvl::cli {

// Writes `json` as the tool's findings are written, for a person as much as for a program: an
// object a key a line, indented by two, an array of objects an item a line, and every other
// array, and whatever an array holds, on one line with a blank after each comma and colon. Then
// a line break. Texts must be UTF-8; a broken sequence comes out as U+FFFD.
void WriteReadableJson(std::ostream& out, const nlohmann::ordered_json& json);

// The same without the line break after it, its lines after the first indented by `indent`
// blanks, so that it can stand inside an object.
void WriteReadableJson(std::ostream& out, const nlohmann::ordered_json& json, std::size_t indent);

}  // namespace kvl::cli
