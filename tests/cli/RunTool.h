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

// The same with `input` on the tool's standard input: piped in where there is a shell to pipe it
// (POSIX), as `cat REPORT | kvl-ridavu-cli ...` does, and from a file on Windows.
ToolRun RunToolWithInput(const std::string& input, const std::vector<std::string>& args);

// The same with standard input opened on the file or folder at `path`.
ToolRun RunToolWithInputFrom(const std::string& path, const std::vector<std::string>& args);

// The same with the tool's standard output a pipe, as in `kvl-ridavu-cli ... | less`, on POSIX
// systems, where such a pipe has no path but /dev/stdout; a file on Windows, where nothing is
// called so.
ToolRun RunToolIntoPipe(const std::vector<std::string>& args);

// The same, with the tool's memory limited to `kibibytes`: its address space by the shell's
// ulimit -v, or its committed memory by a Windows job.
ToolRun RunToolInMemory(std::size_t kibibytes, const std::vector<std::string>& args);

// Whether the system keeps the tool within that limit; Wine takes a job's limit without keeping it.
bool ToolMemoryCanBeLimited();
