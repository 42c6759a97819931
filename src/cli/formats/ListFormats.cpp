#include "ListFormats.h"

#include <algorithm>
#include <iterator>

#include <cli/UsageError.h>
#include <cli/translation/Translation.h>

namespace kvl::cli {

namespace {

struct ListFormat {
  std::string_view name;
  ListWriter write;
};

constexpr ListFormat kListFormats[] = {
    {"table", WriteTable}, {"tsv", WriteTsv}, {"csv", WriteCsv}, {"json", WriteJson}};

}  // namespace

ListWriter ListWriterNamed(std::string_view name) {
  const auto it = std::ranges::find(kListFormats, name, &ListFormat::name);
  if (it == std::end(kListFormats)) {
    throw UsageError(Tr("unknown format {1} (table, tsv, csv or json)", {name}));
  }
  return it->write;
}

}  // namespace kvl::cli
