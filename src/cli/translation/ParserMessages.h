#pragma once

#include <string>
#include <string_view>

namespace kvl::cli {

// A message of the option parser, which words it in English, in the user's language: an
// argument that is required, an option without its value, a value given to a flag. Any other
// message stays as it is.
std::string TranslatedParserMessage(std::string_view message);

}  // namespace kvl::cli
