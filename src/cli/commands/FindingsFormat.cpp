#include "FindingsFormat.h"

#include <CLI/CLI.hpp>

#include <cli/UsageError.h>
#include <cli/translation/Translation.h>

namespace kvl::cli {

void AddFindingsFormat(CLI::App& command, std::string& name) {
  name = "text";
  command.add_option("--format", name, Tr("text or json (text)"))->type_name("FORMAT");
}

FindingsFormat FindingsFormatNamed(std::string_view name) {
  if (name == "text") return FindingsFormat::kText;
  if (name == "json") return FindingsFormat::kJson;
  throw UsageError(Tr("unknown format {1} (text or json)", {name}));
}

}  // namespace kvl::cli
