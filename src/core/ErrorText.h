#pragma once

#include <string>
#include <string_view>

namespace kvl::core {

// The text the window's error box shows for a failure's message: a "." is appended when the
// message is not empty and its last character code is above 46 ('.'), so a message ending in
// ".", "!", ",", "-" or a blank stays as it is.
std::string ErrorBoxText(std::string_view message);

}  // namespace kvl::core
