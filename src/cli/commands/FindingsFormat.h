#pragma once

#include <string>
#include <string_view>

namespace CLI {
class App;
}

namespace kvl::cli {

// The formats of the commands that tell what they found in a report, params and check: text for
// reading, the default, or one JSON object.
enum class FindingsFormat { kText, kJson };

// Adds --format to `command`, its name going to `name`.
void AddFindingsFormat(CLI::App& command, std::string& name);

// Raises UsageError for a name other than "text" and "json".
FindingsFormat FindingsFormatNamed(std::string_view name);

}  // namespace kvl::cli
