#pragma once

#include <string>

// `Cannot <action> file "<full path>". <system text for errorNumber>`, the text file errors carry.
std::string FileErrorMessage(const char* action, const std::string& path, int errorNumber);
