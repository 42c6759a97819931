#include "RunTool.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

#include "RunToolWithLanguage.h"
#include "TestFiles.h"

namespace {

// Where the program's standard streams lead but standard error, which goes to a file.
struct Streams {
  std::string inputPath;    // standard input's file; the test's own standard input when empty
  bool outputPipe = false;  // standard output a pipe read here rather than a file
  // The variables that choose the language for messages; English unless a test asks otherwise,
  // whatever the locale that runs the tests.
  std::vector<std::string> language = {"LANG=C.UTF-8"};
};

bool ChoosesLanguage(std::string_view variable) {
  for (const std::string_view name : {"LANGUAGE=", "LC_ALL=", "LC_MESSAGES=", "LANG="}) {
    if (variable.starts_with(name)) return true;
  }
  return false;
}

// The test's environment with the language variables of `streams` in place of its own.
std::vector<std::string> Environment(const Streams& streams) {
  std::vector<std::string> variables = streams.language;
  for (char** variable = environ; *variable != nullptr; ++variable) {
    if (!ChoosesLanguage(*variable)) variables.emplace_back(*variable);
  }
  return variables;
}

// Reads the pipe's read end `fd` to its end and closes it.
std::string ReadToEnd(int fd) {
  std::string bytes;
  char buffer[65536];
  for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) != 0;) {
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw std::runtime_error("cannot read the tool's output");
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return bytes;
}

// Runs the program argv[0] and collects everything it wrote.
ToolRun Spawn(std::vector<std::string> argv, const Streams& streams = {}) {
  const TempDir dir;
  const std::string outPath = (dir.Path() / "stdout").string();
  const std::string errPath = (dir.Path() / "stderr").string();

  std::vector<char*> argvPointers;
  for (std::string& arg : argv) argvPointers.push_back(arg.data());
  argvPointers.push_back(nullptr);
  std::vector<std::string> environment = Environment(streams);
  std::vector<char*> environmentPointers;
  for (std::string& variable : environment) environmentPointers.push_back(variable.data());
  environmentPointers.push_back(nullptr);

  int pipeEnds[2] = {-1, -1};
  if (streams.outputPipe && ::pipe2(pipeEnds, O_CLOEXEC) != 0) {
    throw std::runtime_error("cannot make a pipe");
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!streams.inputPath.empty()) {
    posix_spawn_file_actions_addopen(&actions, 0, streams.inputPath.c_str(), O_RDONLY, 0);
  }
  if (streams.outputPipe) {
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
  } else {
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
  }
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, argvPointers[0], &actions, nullptr, argvPointers.data(),
                                  environmentPointers.data());
  posix_spawn_file_actions_destroy(&actions);
  ToolRun run;
  if (streams.outputPipe) {
    ::close(pipeEnds[1]);
    if (spawned == 0) run.out = ReadToEnd(pipeEnds[0]);
  }
  if (spawned != 0) throw std::runtime_error("cannot start " + argv[0]);

  int waitStatus = 0;
  if (waitpid(pid, &waitStatus, 0) != pid) throw std::runtime_error("lost " + argv[0]);
  run.status = WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : -1;
  if (!streams.outputPipe) run.out = ReadBytes(outPath);
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
  return Spawn(std::move(argv), {.inputPath = path, .outputPipe = false});
}

ToolRun RunToolIntoPipe(const std::vector<std::string>& args) {
  std::vector<std::string> argv = {KVL_CLI_PATH};
  argv.insert(argv.end(), args.begin(), args.end());
  return Spawn(std::move(argv), {.inputPath = {}, .outputPipe = true});
}

ToolRun RunToolInMemory(std::size_t kibibytes, const std::vector<std::string>& args) {
  std::vector<std::string> argv = {"/bin/sh", "-c", "ulimit -v \"$0\" && exec \"$@\"",
                                   std::to_string(kibibytes), KVL_CLI_PATH};
  argv.insert(argv.end(), args.begin(), args.end());
  return Spawn(std::move(argv));
}

ToolRun RunToolWithLanguage(const std::vector<std::string>& variables,
                            const std::vector<std::string>& args) {
  std::vector<std::string> argv = {KVL_CLI_PATH};
  argv.insert(argv.end(), args.begin(), args.end());
  return Spawn(std::move(argv), {.inputPath = {}, .outputPipe = false, .language = variables});
}

bool ToolMemoryCanBeLimited() {
  return true;
}
