#include "WriteOutcome.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <typeinfo>

#include <core/Exceptions.h>

using namespace kvl::core;

namespace {

// nobody:nogroup on Debian.
constexpr uid_t kUnprivilegedUser = 65534;
constexpr gid_t kUnprivilegedGroup = 65534;

// Whether the unprivileged user now owns `folder` and all in it but `othersFolder`.
bool HandOver(const std::filesystem::path& folder, const std::filesystem::path& othersFolder) {
  namespace fs = std::filesystem;
  if (::lchown(folder.c_str(), kUnprivilegedUser, kUnprivilegedGroup) != 0) return false;
  for (auto entry = fs::recursive_directory_iterator(folder);
       entry != fs::recursive_directory_iterator(); ++entry) {
    if (!othersFolder.empty() && entry->path() == othersFolder) {
      entry.disable_recursion_pending();
      continue;
    }
    if (::lchown(entry->path().c_str(), kUnprivilegedUser, kUnprivilegedGroup) != 0) return false;
  }
  return true;
}

WriteOutcome Outcome(const std::function<void()>& write) {
  try {
    write();
    return "ok";
  } catch (const EFCreateError& e) {
    return "EFCreateError: " + e.Message();
  } catch (const EWriteError& e) {
    return "EWriteError: " + e.Message();
  } catch (const std::exception& e) {
    return std::string(typeid(e).name()) + ": " + e.what();
  }
}

}  // namespace

WriteOutcome RunAsFolderOwner(const std::filesystem::path& folder,
                              const std::function<void()>& write,
                              const std::filesystem::path& othersFolder) {
  int channel[2];
  if (::pipe(channel) != 0) throw std::runtime_error("no pipe");
  const pid_t child = ::fork();
  if (child < 0) throw std::runtime_error("no fork");
  if (child == 0) {
    ::close(channel[0]);
    if (::geteuid() == 0) {
      if (!HandOver(folder, othersFolder) || ::setgroups(0, nullptr) != 0 ||
          ::setgid(kUnprivilegedGroup) != 0 || ::setuid(kUnprivilegedUser) != 0) {
        ::_exit(2);
      }
    }
    const WriteOutcome outcome = Outcome(write);
    const bool sent =
        ::write(channel[1], outcome.data(), outcome.size()) == static_cast<ssize_t>(outcome.size());
    ::_exit(sent ? 0 : 3);
  }
  ::close(channel[1]);
  WriteOutcome outcome;
  char buffer[512];
  for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;)
    outcome.append(buffer, static_cast<std::size_t>(got));
  ::close(channel[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    throw std::runtime_error("the writing process failed with status " + std::to_string(status));
  }
  return outcome;
}
