#include <array>
#include <nlohmann/json.hpp>
#include <ostream>

#include <cli/formats/ListFormats.h>
#include <cli/translation/Translation.h>

#include "MapView.h"

namespace kvl::cli {

namespace {

using Line = std::vector<std::string>;

// Every text as one field of a format.
using FieldOf = std::string (*)(const std::string& text);

// What heads a profile's figures after the parameter's name.
using ProfileHeads = std::array<const char*, 4>;

// The machine formats' heads, which a program reads by name.
constexpr ProfileHeads kProfileFields = {"min", "mean", "max", "count"};

// The header and the lines of the text formats, each text made a field by `field`, an empty
// figure empty. The names in a map's first field are fields each, so the backslash between them
// stands alone.
std::vector<Line> Lines(const MapView& view, FieldOf field, const ProfileHeads& profileHeads) {
  std::vector<Line> lines;
  Line& header = lines.emplace_back();
  if (view.IsProfile()) {
    header = {field(view.x)};
    header.insert(header.end(), profileHeads.begin(), profileHeads.end());
  } else {
    header.push_back(field(*view.y) + "\\" + field(view.x));
    for (const std::string& value : view.xValues) header.push_back(field(value));
  }
  const std::vector<std::string>& heads = view.IsProfile() ? view.xValues : view.yValues;
  for (std::size_t r = 0; r < view.rows.size(); ++r) {
    Line& line = lines.emplace_back();
    line.push_back(field(heads[r]));
    for (const std::optional<std::string>& figure : view.rows[r]) {
      line.push_back(field(figure.value_or("")));
    }
  }
  return lines;
}

std::string TsvField(const std::string& text) {
  return EscapeField(text);
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + '"';
}

std::size_t DisplayWidth(const std::string& utf8) {
  std::size_t width = 0;
  for (const char byte : utf8) width += (byte & 0xC0) != 0x80;
  return width;
}

std::string JsonString(const std::string& text) {
  return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string JsonStrings(const std::vector<std::string>& texts) {
  std::string array = "[";
  for (std::size_t t = 0; t < texts.size(); ++t) array += (t ? ", " : "") + JsonString(texts[t]);
  return array + "]";
}

// A figure as JSON: its text unchanged where it is a JSON number, else a string; null when empty.
std::string JsonFigure(const std::optional<std::string>& figure) {
  if (!figure) return "null";
  return IsJsonNumber(*figure) ? *figure : JsonString(*figure);
}

}  // namespace

void WriteMapTsv(std::ostream& out, const MapView& view) {
  for (const Line& line : Lines(view, TsvField, kProfileFields)) {
    for (std::size_t f = 0; f < line.size(); ++f) out << (f ? "\t" : "") << line[f];
    out << '\n';
  }
}

void WriteMapCsv(std::ostream& out, const MapView& view) {
  for (const Line& line : Lines(view, CsvField, kProfileFields)) {
    for (std::size_t f = 0; f < line.size(); ++f) out << (f ? "," : "") << line[f];
    out << "\r\n";
  }
}

void WriteMapTable(std::ostream& out, const MapView& view) {
  // TRANSLATORS: the captions of a profile's figures in the aligned table: the least, the mean
  // and the largest figure of the passes at a value of the parameter, and how many passes there
  // are.
  const ProfileHeads captions = {Tr("min"), Tr("mean"), Tr("max"), Tr("count")};
  const std::vector<Line> lines = Lines(view, TsvField, captions);
  std::vector<std::size_t> widths;
  for (const Line& line : lines) {
    for (std::size_t f = 0; f < line.size(); ++f) {
      if (widths.size() <= f) widths.push_back(0);
      widths[f] = std::max(widths[f], DisplayWidth(line[f]));
    }
  }
  // Figures are numbers, aligned on the right; the first field names a value, on the left.
  for (const Line& line : lines) {
    std::string text;
    for (std::size_t f = 0; f < line.size(); ++f) {
      const std::string pad(widths[f] - DisplayWidth(line[f]), ' ');
      text += f ? "  " + pad + line[f] : line[f] + pad;
    }
    out << text.substr(0, text.find_last_not_of(' ') + 1) << '\n';
  }
  out << Tr("Passes left out: {1}\n", {std::to_string(view.leftOut)});
}

void WriteMapJson(std::ostream& out, const MapView& view) {
  out << "{\n  \"x\": " << JsonString(view.x)
      << ",\n  \"y\": " << (view.y ? JsonString(*view.y) : "null")
      << ",\n  \"column\": " << JsonString(view.column)
      << ",\n  \"agg\": " << JsonString(view.aggregate)
      << ",\n  \"xValues\": " << JsonStrings(view.xValues)
      << ",\n  \"yValues\": " << JsonStrings(view.yValues);
  out << (view.IsProfile() ? ",\n  \"profile\": [" : ",\n  \"cells\": [");
  for (std::size_t r = 0; r < view.rows.size(); ++r) {
    const std::vector<std::optional<std::string>>& row = view.rows[r];
    out << (r ? ",\n    " : "\n    ");
    if (view.IsProfile()) {
      out << "{\"value\": " << JsonString(view.xValues[r]) << ", \"min\": " << JsonFigure(row[0])
          << ", \"mean\": " << JsonFigure(row[1]) << ", \"max\": " << JsonFigure(row[2])
          << ", \"count\": " << row[3].value_or("0") << '}';
    } else {
      out << '[';
      for (std::size_t f = 0; f < row.size(); ++f) out << (f ? ", " : "") << JsonFigure(row[f]);
      out << ']';
    }
  }
  out << (view.rows.empty() ? "]" : "\n  ]") << ",\n  \"leftOut\": " << view.leftOut << "\n}\n";
}

}  // namespace kvl::cli
