#include "ParameterKey.h"

#include <core/CodePage.h>
#include <core/parameters/ParameterPair.h>

namespace kvl::cli {

std::optional<ParameterKey> ParameterKeyOf(std::string_view key) {
  if (!key.starts_with(kParameterPrefix)) return std::nullopt;
  const std::string_view name =
      core::WithBlanks(key.substr(kParameterPrefix.size()), core::Blanks::kTrimmed);
  if (name.empty()) return std::nullopt;
  return ParameterKey{std::string(kParameterPrefix) + std::string(name),
                      core::Utf16ToAnsi(core::Utf8ToUtf16(name))};
}

}  // namespace kvl::cli
