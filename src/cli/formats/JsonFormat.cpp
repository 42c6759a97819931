#include <nlohmann/json.hpp>
#include <ostream>
#include <string>
#include <vector>

#include <cli/rows/ListedRows.h>
#include <cli/rows/PanelParameters.h>
#include <core/CodePage.h>

#include "ListFormats.h"
#include "OutputBuffer.h"

namespace kvl::cli {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Skips the digits at `i`, returning how many there were.
std::size_t SkipDigits(std::string_view text, std::size_t& i) {
  const std::size_t start = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i - start;
}

std::string JsonText(const nlohmann::json& value) {
  // Every text is converted from the code page, so it is valid UTF-8; replace keeps a broken one
  // from ever ending the output.
  return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string ParametersJson(std::string_view params) {
  nlohmann::json pairs = nlohmann::json::array();
  for (const PanelParameter& parameter : PanelParameters(params)) {
    pairs.push_back(
        {core::AnsiToUtf8(parameter.name),
         parameter.value ? nlohmann::json(core::AnsiToUtf8(*parameter.value)) : nullptr});
  }
  return JsonText(pairs);
}

}  // namespace

bool IsJsonNumber(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') ++i;
  if (i < text.size() && text[i] == '0') {
    ++i;
  } else if (SkipDigits(text, i) == 0) {
    return false;
  }
  if (i < text.size() && text[i] == '.' && SkipDigits(text, ++i) == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (SkipDigits(text, i) == 0) return false;
  }
  return i == text.size();
}

void WriteJsonRows(std::ostream& out, const core::PassTable& table,
                   std::span<const std::size_t> slots, std::span<const ListedColumn> columns,
                   std::size_t indent) {
  const std::string margin(indent, ' ');
  const std::string rowStart = "\n" + margin + "  {";
  std::vector<std::string> keys;
  for (const ListedColumn& column : columns) {
    keys.push_back(JsonText(std::string(column.name)) + ':');
  }
  OutputBuffer buffer(out);
  buffer << '[';
  bool first = true;
  ForEachListedRow(table, slots, columns, [&](std::size_t slot) {
    buffer << (first ? "" : ",") << rowStart;
    first = false;
    for (std::size_t c = 0; c < columns.size(); ++c) {
      buffer << (c ? "," : "") << keys[c];
      const std::string_view cell = CellText(table, slot, columns[c]);
      if (columns[c].IsParams()) {
        buffer << ParametersJson(cell);
      } else if (columns[c].IsFigure() && cell.empty()) {
        buffer << "null";  // as the map writes a figure it cannot give
      } else if (IsJsonNumber(cell)) {
        buffer << cell;  // ASCII, so its UTF-8 as it stands
      } else {
        buffer << JsonText(core::AnsiToUtf8(cell));
      }
    }
    buffer << '}';
    buffer.EndLine();
  });
  if (!slots.empty()) buffer << '\n' << margin;
  buffer << ']';
  buffer.Flush();
}

void WriteJson(std::ostream& out, const core::PassTable& table, std::span<const std::size_t> slots,
               std::span<const ListedColumn> columns) {
  WriteJsonRows(out, table, slots, columns, 0);
  out << '\n';
}

}  // namespace kvl::cli
