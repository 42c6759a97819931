#pragma once

#include <cstddef>
#include <string>
#include <vector>

struct ToolRun {
  int status = -1;  // the exit status; -1 when the tool did not exit normally
  std::string out;
  std::string err;
};

// Runs the built kvl-ridavu-cli with `args` and collects everything it wrote.
ToolRun RunTool(const std::vector<std::string>& args);

// The same, with the tool's address space limited to `kibibytes` by the shell's ulimit -v.
ToolRun RunToolInMemory(std::size_t kibibytes, const std::vector<std::string>& args);
