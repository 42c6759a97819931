#include "AnsiText.h"

#include <core/CodePage.h>

namespace kvl::ui {

QString AnsiToQString(std::string_view ansi) {
  return QString::fromStdU16String(core::AnsiToUtf16(ansi));
}

std::string QStringToAnsi(const QString& text) {
  return core::Utf16ToAnsi(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                               static_cast<std::size_t>(text.size())));
}

}  // namespace kvl::ui
