#pragma once

#include <string>
#include <vector>

#include "RunTool.h"

// Runs the built kvl-ridavu-cli as RunTool does, with `variables` (such as "LANG=ru_RU.UTF-8") the
// only ones of LANGUAGE, LC_ALL, LC_MESSAGES and LANG in its environment. Every other run has
// LANG=C.UTF-8 alone. The tool speaks only English on Windows, so only POSIX systems have this.
ToolRun RunToolWithLanguage(const std::vector<std::string>& variables,
                            const std::vector<std::string>& args);
