#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ToolOutline.h"

namespace kvl::completions {

// The part of each shell's completion script that comes from the tool's outline. The template
// around it holds what the shell does with it.

// Bash: the commands, each command's options, and what each value and argument completes to.
std::string BashCompletionData(const ToolOutline& tool);
// Zsh: the completion function, its _arguments specifications.
std::string ZshCompletionFunction(const ToolOutline& tool);
// Fish: a `complete` line per command, option and argument.
std::string FishCompletions(const ToolOutline& tool);

// `text` in single quotes for a POSIX shell such as bash or zsh.
std::string SingleQuoted(std::string_view text);

// The words separated by blanks, as a shell splits them.
std::string Joined(const std::vector<std::string>& words);

}  // namespace kvl::completions
