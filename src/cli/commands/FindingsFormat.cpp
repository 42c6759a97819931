#include "FindingsFormat.h"

#include <CLI/CLI.hpp>

#include <cli/UsageError.h>

namespace kvl::cli {

void AddFindingsFormat(CLI::App& command, std::string& name) {
  name = "text";
  command.add_option("--format", name, "text or json (text)")->type_name("FORMAT");
}

FindingsFormat FindingsFormatNamed(std::string_view name) {
  if (name == "text") return FindingsFormat::kText;
  if (name == "json") return FindingsFormat::kJson;
  throw UsageError("unknown format " + std::string(name) + " (text or json)");
}

}  // namespace kvl::cli
