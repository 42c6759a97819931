#include "ErrorText.h"

namespace kvl::core {

std::string ErrorBoxText(std::string_view message) {
  std::string text(message);
  // In UTF-8 the last byte of a character beyond ASCII is above 46 as its code is.
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  return text;
}

}  // namespace kvl::core
