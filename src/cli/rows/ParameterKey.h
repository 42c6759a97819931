#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kvl::cli {

// What the options write before a parameter's name to mean its value, and what heads an input's
// column: result columns never hold a ':', so the two never clash.
inline constexpr std::string_view kParameterPrefix = "param:";

// A column key that names a parameter of the passes.
struct ParameterKey {
  std::string cell;  // "param:NAME", NAME trimmed of blanks, UTF-8: names the key in messages
  std::string name;  // NAME in the ANSI code page, as the reports' texts are
};

// Reads "param:NAME" with blanks around NAME; nullopt for any other key and for an empty NAME.
std::optional<ParameterKey> ParameterKeyOf(std::string_view key);

}  // namespace kvl::cli
