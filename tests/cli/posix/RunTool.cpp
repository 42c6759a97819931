#include "RunTool.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <stdexcept>

#include "TestFiles.h"

namespace {

// Runs the program argv[0], with standard input read from `inputPath` unless it is empty, and
// collects everything it wrote.
ToolRun Spawn(std::vector<std::string> argv, const std::string& inputPath = {}) {
  const TempDir dir;
  const std::string outPath = (dir.Path() / "stdout").string();
  const std::string errPath = (dir.Path() / "stderr").string();

  std::vector<char*> argvPointers;
  for (std::string& arg : argv) argvPointers.push_back(arg.data());
  argvPointers.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!inputPath.empty()) {
    posix_spawn_file_actions_addopen(&actions, 0, inputPath.c_str(), O_RDONLY, 0);
  }
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  pid_t pid = 0;
  const int spawned =
      posix_spawn(&pid, argvPointers[0], &actions, nullptr, argvPointers.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start " + argv[0]);

  int waitStatus = 0;
  if (waitpid(pid, &waitStatus, 0) != pid) throw std::runtime_error("lost " + argv[0]);
  ToolRun run;
  run.status = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
  run.out = ReadBytes(outPath);
  run.err = ReadBytes(errPath);
  return run;
}

}  // namespace

ToolRun RunTool(const std::vector<std::string>& args) {
  std::vector<std::string> argv = {KVL_CLI_PATH};
  argv.insert(argv.end(), args.begin(), args.end());
  return Spawn(std::move(argv));
}

ToolRun RunToolWithInput(const std::string& input, const std::vector<std::string>& args) {
  const TempDir dir;
  std::vector<std::string> argv = {"/bin/sh", "-c", "cat \"$0\" | exec \"$@\"",
                                   dir.Write("input", input), KVL_CLI_PATH};
  argv.insert(argv.end(), args.begin(), args.end());
  return Spawn(std::move(argv));
}

ToolRun RunToolWithInputFrom(const std::string& path, const std::vector<std::string>& args) {
  std::vector<std::string> argv = {KVL_CLI_PATH};
  argv.insert(argv.end(), args.begin(), args.end());
  return Spawn(std::move(argv), path);
}

ToolRun RunToolInMemory(std::size_t kibibytes, const std::vector<std::string>& args) {
  std::vector<std::string> argv = {"/bin/sh", "-c", "ulimit -v \"$0\" && exec \"$@\"",
                                   std::to_string(kibibytes), KVL_CLI_PATH};
  argv.insert(argv.end(), args.begin(), args.end());
  return Spawn(std::move(argv));
}

bool ToolMemoryCanBeLimited() {
  return true;
}
