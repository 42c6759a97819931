#include <ostream>

#include "formats/ListFormats.h"
#include "formats/OutputBuffer.h"

namespace {

std::string_view EscapeOf(char c) {
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
}

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

void WriteTsv(std::ostream& out, const PassTable& table, std::span<const std::size_t> slots,
              std::span<const ListedColumn> columns) {
  OutputBuffer buffer(out);
  for (std::size_t c = 0; c < columns.size(); ++c) buffer << (c ? "\t" : "") << columns[c].name;
  buffer << '\n';
  std::string scratch;
  for (const std::size_t slot : slots) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
      if (c) buffer << '\t';
      buffer << EscapeField(Utf8Of(CellText(table, slot, columns[c]), scratch));
    }
    buffer << '\n';
    buffer.EndLine();
  }
  buffer.Flush();
}
