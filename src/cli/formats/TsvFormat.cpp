#include <algorithm>
#include <ostream>

#include <cli/rows/ListedRows.h>

#include "ListFormats.h"
#include "OutputBuffer.h"

namespace kvl::cli {

namespace {

// A lambda rather than a function, so that the loops it is handed to inline it.
constexpr auto EscapeOf = [](char c) -> std::string_view {
  switch (c) {
    case '\\':
      return "\\\\";
    case '\t':
      return "\\t";
    case '\r':
      return "\\r";
    case '\n':
      return "\\n";
    default:
      return {};
  }
};

}  // namespace

std::string EscapeField(std::string_view utf8) {
  std::string escaped;
  escaped.reserve(utf8.size());
  for (const char c : utf8) {
    const std::string_view escape = EscapeOf(c);
    if (escape.empty()) {
      escaped += c;
    } else {
      escaped += escape;
    }
  }
  return escaped;
}

void AppendTsvField(OutputBuffer& out, std::string_view ansi) {
  out.AppendUtf8(ansi, EscapeOf);
}

std::size_t TsvFieldWidth(std::string_view ansi) {
  // Each byte becomes one character, or two where it is escaped.
  return ansi.size() + static_cast<std::size_t>(std::ranges::count_if(
                           ansi, [](char c) { return !EscapeOf(c).empty(); }));
}

std::size_t DisplayWidth(std::string_view utf8) {
  return static_cast<std::size_t>(
      std::ranges::count_if(utf8, [](char byte) { return (byte & 0xC0) != 0x80; }));
}

void WriteTsv(std::ostream& out, const core::PassTable& table, std::span<const std::size_t> slots,
              std::span<const ListedColumn> columns) {
  OutputBuffer buffer(out);
  for (std::size_t c = 0; c < columns.size(); ++c) {
    buffer << (c ? "\t" : "") << EscapeField(columns[c].name);
  }
  buffer << '\n';
  ForEachListedRow(table, slots, columns, [&](std::size_t slot) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
      if (c) buffer << '\t';
      AppendTsvField(buffer, CellText(table, slot, columns[c]));
    }
    buffer << '\n';
    buffer.EndLine();
  });
  buffer.Flush();
}

}  // namespace kvl::cli
