#include "ParserMessages.h"

#include "Translation.h"

namespace kvl::cli {

std::string TranslatedParserMessage(std::string_view message) {
  constexpr std::string_view kRequired = " is required";
  constexpr std::string_view kFlagOverride = " was given a disallowed flag override";
  if (message.ends_with(kRequired)) {
    return Tr("{1} is required", {message.substr(0, message.size() - kRequired.size())});
  }
  if (message.ends_with(kFlagOverride)) {
    return Tr("{1} was given a disallowed flag override",
              {message.substr(0, message.size() - kFlagOverride.size())});
  }
  // "--format: 1 required FORMAT missing"
  const std::size_t colon = message.find(": ");
  const std::size_t required = message.find(" required ");
  if (colon != std::string_view::npos && required != std::string_view::npos && required > colon &&
      message.ends_with(" missing")) {
    const std::size_t valuesStart = required + std::string_view(" required ").size();
    return Tr("{1}: {2} required {3} missing",
              {message.substr(0, colon), message.substr(colon + 2, required - colon - 2),
               message.substr(valuesStart, message.size() - valuesStart - 8)});
  }
  return std::string(message);
}

}  // namespace kvl::cli
