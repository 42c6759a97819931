#include "CoreMessages.h"

#include "Translation.h"

namespace kvl::cli {

namespace {

// The text between `prefix` and `suffix` of `message`, if it has them both.
bool Between(std::string_view message, std::string_view prefix, std::string_view suffix,
             std::string_view& inner) {
  if (message.size() < prefix.size() + suffix.size() || !message.starts_with(prefix) ||
      !message.ends_with(suffix)) {
    return false;
  }
  inner = message.substr(prefix.size(), message.size() - prefix.size() - suffix.size());
  return true;
}

// "<prefix><path>". <reason>", as the core words a file it cannot use.
bool PathAndReason(std::string_view message, std::string_view prefix, std::string_view& path,
                   std::string_view& reason) {
  const std::size_t end = message.rfind("\". ");
  if (!message.starts_with(prefix) || end == std::string_view::npos || end < prefix.size()) {
    return false;
  }
  path = message.substr(prefix.size(), end - prefix.size());
  reason = message.substr(end + 3);
  return true;
}

}  // namespace

std::string TranslatedCoreMessage(std::string_view message) {
  std::string_view text;
  std::string_view reason;
  if (PathAndReason(message, "Cannot open file \"", text, reason)) {
    return Tr("Cannot open file \"{1}\". {2}", {text, reason});
  }
  if (PathAndReason(message, "Cannot create file \"", text, reason)) {
    return Tr("Cannot create file \"{1}\". {2}", {text, reason});
  }
  if (PathAndReason(message, "Cannot write file \"", text, reason)) {
    return Tr("Cannot write file \"{1}\". {2}", {text, reason});
  }
  if (PathAndReason(message, "Cannot write the files in folder \"", text, reason)) {
    return Tr("Cannot write the files in folder \"{1}\". {2}", {text, reason});
  }
  if (Between(message, "'", "' is not a valid floating point value", text)) {
    return Tr("'{1}' is not a valid floating point value", {text});
  }
  if (Between(message, "''", "'' is not a valid integer value", text)) {
    return Tr("''{1}'' is not a valid integer value", {text});
  }
  if (message == "Out of memory") return Tr("Out of memory");
  return std::string(message);
}

}  // namespace kvl::cli
