#include "FileNameTemplate.h"

#include <utility>

#include <cli/UsageError.h>
#include <cli/rows/ListedColumns.h>
#include <cli/translation/Translation.h>
#include <core/CodePage.h>

#include "PortableFileName.h"

namespace kvl::cli {

FileNameTemplate::FileNameTemplate(std::string_view text) {
  for (std::string_view rest = text; !rest.empty();) {
    const std::size_t open = rest.find('{');
    if (open != 0) {
      pieces_.push_back({std::string(rest.substr(0, open)), nullptr});
      if (open == std::string_view::npos) break;
      rest.remove_prefix(open);
    }
    const std::size_t close = rest.find('}');
    if (close == std::string_view::npos) {
      throw UsageError(Tr("--name \"{1}\": a \"{\" is not closed; the columns are {2}",
                          {text, ResultColumnNames()}));
    }
    const std::string_view name = rest.substr(1, close - 1);
    const core::ResultColumn* column = ResultColumnNamed(name);
    if (column == nullptr) {
      throw UsageError(Tr("--name \"{1}\": {{2}} is no column; the columns are {3}",
                          {text, name, ResultColumnNames()}));
    }
    pieces_.push_back({{}, column});
    rest.remove_prefix(close + 1);
  }
}

std::string FileNameTemplate::NameFor(const core::PassTable& table, std::size_t slot) const {
  std::string name;
  for (const Piece& piece : pieces_) {
    name += piece.column ? core::AnsiToUtf8(table[slot].*piece.column->field) : piece.text;
  }
  return PortableFileName(std::move(name));
}

}  // namespace kvl::cli
