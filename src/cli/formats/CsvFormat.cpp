#include <algorithm>
#include <ostream>

#include <cli/rows/ListedRows.h>

#include "ListFormats.h"
#include "OutputBuffer.h"

namespace kvl::cli {

namespace {

constexpr std::string_view kRecordEnd = "\r\n";

constexpr auto QuoteEscapeOf = [](char c) -> std::string_view { return c == '"' ? "\"\"" : ""; };

bool NeedsQuotes(std::string_view text) {
  return std::ranges::any_of(text,
                             [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; });
}

void AppendField(OutputBuffer& out, std::string_view ansi) {
  if (!NeedsQuotes(ansi)) {
    out.AppendUtf8(ansi);
    return;
  }
  out << '"';
  out.AppendUtf8(ansi, QuoteEscapeOf);
  out << '"';
}

// The names are UTF-8 already: an input's may hold any character.
void AppendName(OutputBuffer& out, std::string_view utf8) {
  if (!NeedsQuotes(utf8)) {
    out << utf8;
    return;
  }
  out << '"';
  for (const char c : utf8) out << (c == '"' ? std::string_view("\"\"") : std::string_view(&c, 1));
  out << '"';
}

}  // namespace

void WriteCsv(std::ostream& out, const core::PassTable& table, std::span<const std::size_t> slots,
              std::span<const ListedColumn> columns) {
  OutputBuffer buffer(out);
  for (std::size_t c = 0; c < columns.size(); ++c) {
    if (c) buffer << ',';
    AppendName(buffer, columns[c].name);
  }
  buffer << kRecordEnd;
  ForEachListedRow(table, slots, columns, [&](std::size_t slot) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
      if (c) buffer << ',';
      AppendField(buffer, CellText(table, slot, columns[c]));
    }
    buffer << kRecordEnd;
    buffer.EndLine();
  });
  buffer.Flush();
}

}  // namespace kvl::cli
