#include "WideText.h"

#include <core/CodePage.h>

namespace kvl::core {

std::wstring WideText(std::string_view utf8) {
  const std::u16string text = Utf8ToUtf16(utf8);
  return {text.begin(), text.end()};
}

std::string Utf8Text(std::wstring_view wide) {
  return Utf16ToUtf8({reinterpret_cast<const char16_t*>(wide.data()), wide.size()});
}

}  // namespace kvl::core
