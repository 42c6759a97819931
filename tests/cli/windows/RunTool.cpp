#include "RunTool.h"

#include <windows.h>

#include <stdexcept>

#include <core/CodePage.h>

#include "TestFiles.h"

using namespace kvl::core;

namespace {

std::wstring Wide(const std::string& utf8) {
  const std::u16string text = Utf8ToUtf16(utf8);
  return {text.begin(), text.end()};
}

// One argument as the C runtime's parser reads it back: quoted, with the backslashes before a
// quote doubled and the quote escaped.
void AppendQuoted(std::wstring& line, const std::wstring& arg) {
  line += L'"';
  std::size_t backslashes = 0;
  for (const wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    line.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    line += c;
  }
  line.append(2 * backslashes, L'\\');
  line += L'"';
}

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE) ::CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

// A file that the tool inherits as one of its standard streams.
HANDLE InheritableFile(const std::string& path, DWORD access, DWORD creation, DWORD flags) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  const HANDLE file = ::CreateFileW(Wide(path).c_str(), access, FILE_SHARE_READ, &inherit, creation,
                                    flags, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + path);
  return file;
}

HANDLE InheritableOutput(const std::string& path) {
  return InheritableFile(path, GENERIC_WRITE, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL);
}

// Folders too, so that a test can hand the tool one to fail reading.
HANDLE InheritableInput(const std::string& path) {
  return InheritableFile(path, GENERIC_READ, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS);
}

// Runs the tool with `args`, in a job limited to `memoryBytes` of committed memory when that is
// not 0, with standard input read from `inputPath` unless it is empty, and collects everything it
// wrote.
ToolRun Spawn(const std::vector<std::string>& args, std::size_t memoryBytes,
              const std::string& inputPath = {}) {
  const TempDir dir;
  const std::string outPath = (dir.Path() / "stdout").string();
  const std::string errPath = (dir.Path() / "stderr").string();
  const std::wstring program = Wide(KVL_CLI_PATH);
  std::wstring line;
  AppendQuoted(line, program);
  for (const std::string& arg : args) {
    line += L' ';
    AppendQuoted(line, Wide(arg));
  }

  ToolRun run;
  {
    const Handle out(InheritableOutput(outPath));
    const Handle err(InheritableOutput(errPath));
    const Handle in(inputPath.empty() ? nullptr : InheritableInput(inputPath));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inputPath.empty() ? ::GetStdHandle(STD_INPUT_HANDLE) : in.get();
    startup.hStdOutput = out.get();
    startup.hStdError = err.get();
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED,
                          nullptr, nullptr, &startup, &process)) {
      throw std::runtime_error("cannot start " + std::string(KVL_CLI_PATH));
    }
    const Handle processHandle(process.hProcess);
    const Handle thread(process.hThread);
    const Handle job(::CreateJobObjectW(nullptr, nullptr));
    if (memoryBytes != 0) {
      JOBOBJECT_EXTENDED_LIMIT_INFORMATION limit{};
      limit.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_PROCESS_MEMORY;
      limit.ProcessMemoryLimit = memoryBytes;
      if (!::SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limit,
                                     sizeof limit) ||
          !::AssignProcessToJobObject(job.get(), processHandle.get())) {
        ::TerminateProcess(processHandle.get(), 255);
        throw std::runtime_error("cannot limit the tool's memory");
      }
    }
    ::ResumeThread(thread.get());
    ::WaitForSingleObject(processHandle.get(), INFINITE);
    DWORD status = 0;
    if (!::GetExitCodeProcess(processHandle.get(), &status))
      throw std::runtime_error("lost " + std::string(KVL_CLI_PATH));
    run.status = static_cast<int>(status);
  }
  run.out = ReadBytes(outPath);
  run.err = ReadBytes(errPath);
  return run;
}

}  // namespace

ToolRun RunTool(const std::vector<std::string>& args) {
  return Spawn(args, 0);
}

ToolRun RunToolWithInput(const std::string& input, const std::vector<std::string>& args) {
  const TempDir dir;
  return Spawn(args, 0, dir.Write("input", input));
}

ToolRun RunToolWithInputFrom(const std::string& path, const std::vector<std::string>& args) {
  return Spawn(args, 0, path);
}

ToolRun RunToolIntoPipe(const std::vector<std::string>& args) {
  return Spawn(args, 0);
}

ToolRun RunToolInMemory(std::size_t kibibytes, const std::vector<std::string>& args) {
  return Spawn(args, kibibytes * 1024);
}

bool ToolMemoryCanBeLimited() {
  return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") == nullptr;
}
