#pragma once

#include <string>
#include <string_view>

// Windows-1251 bytes of a UTF-8 text made of ASCII and the Russian alphabet, so that the
// generator can keep its Russian texts readable in the source. Any other character becomes '?'.
std::string Cp1251FromUtf8(std::string_view utf8);
