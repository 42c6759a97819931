#include "PassListing.h"

#include <algorithm>
#include <ostream>
#include <vector>

#include "CodePage.h"

namespace {

std::string CellText(const CItem_OPT& pass, const ListedColumn& column) {
  return EscapeField(AnsiToUtf8(pass.*column.field));
}

// Characters, not bytes, so that Cyrillic texts line up.
std::size_t DisplayWidth(std::string_view utf8) {
  return static_cast<std::size_t>(
      std::ranges::count_if(utf8, [](char byte) { return (byte & 0xC0) != 0x80; }));
}

constexpr std::string_view kColumnGap = "  ";

}  // namespace

std::string EscapeField(std::string_view utf8) {
  std::string escaped;
  escaped.reserve(utf8.size());
  for (const char c : utf8) {
    switch (c) {
      case '\\':
        escaped += "\\\\";
        break;
      case '\t':
        escaped += "\\t";
        break;
      case '\r':
        escaped += "\\r";
        break;
      case '\n':
        escaped += "\\n";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

void WritePassesTsv(std::ostream& out, const PassTable& table, std::size_t count,
                    std::span<const ListedColumn> columns) {
  for (std::size_t c = 0; c < columns.size(); ++c) out << (c ? "\t" : "") << columns[c].name;
  out << '\n';
  for (std::size_t slot = 0; slot < count; ++slot) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
      out << (c ? "\t" : "") << CellText(table[slot], columns[c]);
    }
    out << '\n';
  }
}

void WritePassesTable(std::ostream& out, const PassTable& table, std::size_t count,
                      std::span<const ListedColumn> columns) {
  std::vector<std::size_t> widths;
  for (const ListedColumn& column : columns) widths.push_back(DisplayWidth(column.caption));
  // The cells are converted twice rather than held, so a large report needs no second copy.
  for (std::size_t slot = 0; slot < count; ++slot) {
    for (std::size_t c = 0; c < columns.size(); ++c) {
      widths[c] = std::max(widths[c], DisplayWidth(CellText(table[slot], columns[c])));
    }
  }
  const auto writeLine = [&out, &widths](auto cellOfColumn) {
    for (std::size_t c = 0; c < widths.size(); ++c) {
      const std::string cell(cellOfColumn(c));
      out << cell;
      if (c + 1 < widths.size()) {
        out << std::string(widths[c] - DisplayWidth(cell), ' ') << kColumnGap;
      }
    }
    out << '\n';
  };
  writeLine([&columns](std::size_t c) { return columns[c].caption; });
  for (std::size_t slot = 0; slot < count; ++slot) {
    writeLine([&](std::size_t c) { return CellText(table[slot], columns[c]); });
  }
}
