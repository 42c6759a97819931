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

// The same, with the tool's memory limited to `kibibytes`: its address space by the shell's
// ulimit -v, or its committed memory by a Windows job.
ToolRun RunToolInMemory(std::size_t kibibytes, const std::vector<std::string>& args);

// Whether the system keeps the tool within that limit; Wine takes a job's limit without keeping it.
bool ToolMemoryCanBeLimited();
