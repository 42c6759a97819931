#include <ostream>

#include "formats/ListFormats.h"
#include "formats/OutputBuffer.h"

namespace {

constexpr std::string_view kRecordEnd = "\r\n";

void AppendField(OutputBuffer& out, std::string_view utf8) {
  if (utf8.find_first_of(",\"\r\n") == std::string_view::npos) {
    out << utf8;
    return;
  }
  out << '"';
  for (std::size_t quote; (quote = utf8.find('"')) != std::string_view::npos;) {
    out << utf8.substr(0, quote + 1) << '"';
    utf8.remove_prefix(quote + 1);
  }
  out << utf8 << '"';
}

}  // namespace

void WriteCsv(std::ostream& out, const PassTable& table, std::span<const std::size_t> slots,
              std::span<const ListedColumn> columns) {
  OutputBuffer buffer(out);
  for (std::size_t c = 0; c < columns.size(); ++c) {
    if (c) buffer << ',';
    AppendField(buffer, columns[c].name);
  }
  buffer << kRecordEnd;
  std::string scratch;
  for (const std::size_t slot : slots) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
      if (c) buffer << ',';
      AppendField(buffer, Utf8Of(CellText(table, slot, columns[c]), scratch));
    }
    buffer << kRecordEnd;
    buffer.EndLine();
  }
  buffer.Flush();
}
