#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

#include <core/PassTable.h>
#include <core/ReportLoader.h>

#include "ReportGenerator.h"
#include "TestFiles.h"

using namespace kvl::core;

namespace {

// Enough rows that reading them takes longer than the writer waits before it appends.
constexpr std::size_t kInitialRows = 60000;
constexpr useconds_t kWriterDelayMicroseconds = 2000;
// Where the writer stops if nothing stops it first, so that a load that never ends cannot fill
// the disk either.
constexpr std::size_t kWriterLimitBytes = std::size_t{256} << 20;

GeneratedPass Pass(std::size_t k) {
  const std::string number = std::to_string(k);
  return {number, "P=" + number + "; ", number + ".00", "1", "1.00", "1.00", "1.00", "1.00"};
}

std::string Rows(std::size_t from, std::size_t to) {
  std::string rows;
  for (std::size_t k = from; k <= to; ++k) rows += ReportRow(Pass(k), k - 1);
  return rows;
}

// A process that appends rows to `path` without pause until it is killed, from shortly after the
// file is next opened: late enough that the opener has taken the file's size, early enough that
// it is still reading.
class Writer {
 public:
  explicit Writer(const std::string& path) {
    int ready[2];
    if (::pipe(ready) != 0) throw std::runtime_error("no pipe");
    pid_ = ::fork();
    if (pid_ < 0) throw std::runtime_error("no fork");
    if (pid_ == 0) {
      ::close(ready[0]);
      Append(path, ready[1]);
    }
    ::close(ready[1]);
    char signal = 0;
    if (::read(ready[0], &signal, 1) != 1) throw std::runtime_error("the writer did not start");
    ::close(ready[0]);
  }

  ~Writer() {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }

  Writer(const Writer&) = delete;
  Writer& operator=(const Writer&) = delete;

 private:
  [[noreturn]] static void Append(const std::string& path, int ready) {
    const int file = ::open(path.c_str(), O_WRONLY | O_APPEND);
    const int events = ::inotify_init1(0);
    if (file < 0 || events < 0 || ::inotify_add_watch(events, path.c_str(), IN_OPEN) < 0) {
      ::_exit(1);
    }
    // Rows written ahead, then a block of them at a time.
    const std::string block = Rows(kInitialRows + 1, kInitialRows + 8000);
    if (::write(ready, "r", 1) != 1) ::_exit(1);
    char event[sizeof(inotify_event) + 256];
    if (::read(events, event, sizeof event) <= 0) ::_exit(1);
    ::usleep(kWriterDelayMicroseconds);
    for (std::size_t written = 0; written < kWriterLimitBytes; written += block.size()) {
      if (::write(file, block.data(), block.size()) != static_cast<ssize_t>(block.size())) break;
    }
    ::_exit(0);
  }

  pid_t pid_ = -1;
};

TEST(GrowingReport, ALoadReadsTheFileAsItWasWhenOpenedWhileAnotherProcessAppends) {
  const TempDir dir;
  const std::string path = dir.Write("growing.htm", ReportHead() + Rows(1, kInitialRows));
  PassTable table;
  int n = 0;
  {
    const Writer writer(path);
    n = LoadReport(path, table);
  }
  ASSERT_EQ(n, static_cast<int>(kInitialRows));
  for (std::size_t k = 1; k <= kInitialRows; ++k)
    EXPECT_EQ(table[k - 1].Profit, std::to_string(k) + ".00");
}

}  // namespace
