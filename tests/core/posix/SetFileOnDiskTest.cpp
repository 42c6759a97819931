#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include <core/Exceptions.h>
#include <core/SetFile.h>

#include "TestFiles.h"
#include "WriteOutcome.h"

using namespace kvl::core;

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kOld = "A=1\r\n";
constexpr std::string_view kNew = "A=2\r\nB=3\r\n";

TEST(WriteSetFile, ADeviceIsWrittenInPlaceAndItsFailureNamed) {
  try {
    WriteSetFile("/dev/full", kNew);
    ADD_FAILURE() << "wrote to a full device";
  } catch (const EWriteError& e) {
    EXPECT_EQ(e.Message(), "Cannot write file \"/dev/full\". No space left on device");
  }
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

// Everything under `folder`, one line per entry in name order: "dir/ 0755", "file 0644 <bytes>",
// "link -> target".
std::vector<std::string> Snapshot(const fs::path& folder) {
  std::vector<std::string> lines;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    const std::string name = entry.path().lexically_relative(folder).string();
    if (entry.is_symlink()) {
      lines.push_back(name + " -> " + fs::read_symlink(entry.path()).string());
      continue;
    }
    struct stat info {};
    ::lstat(entry.path().c_str(), &info);
    char mode[8];
    std::snprintf(mode, sizeof mode, "%04o", info.st_mode & 07777u);
    lines.push_back(entry.is_directory() ? name + "/ " + mode
                                         : name + ' ' + mode + ' ' + ReadBytes(entry.path()));
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

void Folder(const fs::path& folder) {
  fs::create_directory(folder);
  fs::permissions(folder, fs::perms(0755));
}

void Put(const fs::path& file, std::string_view bytes, fs::perms mode) {
  std::ofstream(file, std::ios::binary)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  fs::permissions(file, mode);
}

// A tmpfs of one page holding the old file, so that any further byte finds the disk full.
void FullDisk(const fs::path& dir) {
  const fs::path disk = dir / "disk";
  Folder(disk);
  if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=4k,mode=0755") != 0) {
    throw std::runtime_error(std::string("cannot mount a small tmpfs: ") + std::strerror(errno));
  }
  Put(disk / "17.set", kOld, fs::perms(0640));
}

void ReadOnlyFolderWithFile(const fs::path& dir) {
  Folder(dir / "ro");
  Put(dir / "ro" / "17.set", kOld, fs::perms(0640));
  fs::permissions(dir / "ro", fs::perms(0555));
}

void ReadOnlyFolder(const fs::path& dir) {
  Folder(dir / "ro");
  fs::permissions(dir / "ro", fs::perms(0555));
}

void ReadOnlyFile(const fs::path& dir) {
  Put(dir / "17.set", kOld, fs::perms(0440));
}

void SymlinkedTarget(const fs::path& dir) {
  Folder(dir / "real");
  Put(dir / "real" / "17.set", kOld, fs::perms(0600));
  fs::create_symlink("real/17.set", dir / "link.set");
}

void DanglingSymlink(const fs::path& dir) {
  Folder(dir / "real");
  fs::create_symlink("real/17.set", dir / "link.set");
}

void ExistingFile(const fs::path& dir) {
  Put(dir / "17.set", kOld, fs::perms(0604));
}

// A folder of another user where anyone may create files but replace only their own, holding a
// writable file of that user.
void StickyFolderWithOthersFile(const fs::path& dir) {
  if (::geteuid() != 0) throw std::runtime_error("cannot give a file to another user");
  Folder(dir / "shared");
  fs::permissions(dir / "shared", fs::perms(01777));
  Put(dir / "shared" / "17.set", kOld, fs::perms(0666));
}

void NothingThere(const fs::path&) {}

struct ExportCase {
  const char* name;
  void (*arrange)(const fs::path& dir);
  const char* chosen;   // the path the user chose, in the folder
  std::string outcome;  // "ok", or the failure with {path} for the chosen path's full form
  std::vector<std::string> after;
  const char* othersFolder = nullptr;  // a folder that the writing user does not own

  friend void PrintTo(const ExportCase& c, std::ostream* out) { *out << c.name; }
};

// A set file written alone, or as one of a batch whose new files reach the disk together: the
// files on disk must come out the same.
enum class Writer { kAlone, kInBatch };

void WriteAs(Writer writer, const std::string& path, std::string_view bytes) {
  if (writer == Writer::kAlone) return WriteSetFile(path, bytes);
  SetFileBatch batch(fs::path(path).parent_path().string());
  batch.Write(path, bytes);
  batch.Finish();
}

class WriteSetFileOnDisk : public testing::TestWithParam<std::tuple<ExportCase, Writer>> {
 protected:
  void TearDown() override {
    ::umount2((dir_.Path() / "disk").c_str(), MNT_DETACH);
    // A read-only folder would keep its contents from being removed.
    for (const auto& entry : fs::recursive_directory_iterator(dir_.Path())) {
      if (entry.is_directory() && !entry.is_symlink()) fs::permissions(entry, fs::perms(0755));
    }
  }

  TempDir dir_;
};

TEST_P(WriteSetFileOnDisk, LeavesTheFolderAsExpected) {
  const auto& [c, writer] = GetParam();
  try {
    c.arrange(dir_.Path());
  } catch (const std::runtime_error& e) {
    GTEST_SKIP() << e.what() << " (needs root)";
  }
  const std::string chosen = (dir_.Path() / c.chosen).string();
  std::string outcome = c.outcome;
  if (const auto at = outcome.find("{path}"); at != std::string::npos)
    outcome.replace(at, 6, chosen);

  const auto write = [&] {
    ::umask(022);  // the child's own, so that a new file's mode is known
    WriteAs(writer, chosen, kNew);
  };
  const fs::path others = c.othersFolder ? dir_.Path() / c.othersFolder : fs::path();
  EXPECT_EQ(RunAsFolderOwner(dir_.Path(), write, others), outcome);
  EXPECT_EQ(Snapshot(dir_.Path()), c.after);
}

const std::string kWritten = std::string(kNew);

std::string CaseName(const testing::TestParamInfo<std::tuple<ExportCase, Writer>>& param) {
  return std::string(std::get<0>(param.param).name) +
         (std::get<1>(param.param) == Writer::kInBatch ? "InBatch" : "");
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, WriteSetFileOnDisk,
    testing::Combine(
        testing::Values(
            ExportCase{"FullDiskKeepsTheOldFile",
                       FullDisk,
                       "disk/17.set",
                       "EWriteError: Cannot write file \"{path}\". No space left on device",
                       {"disk/ 0755", "disk/17.set 0640 A=1\r\n"}},
            ExportCase{"ReadOnlyFolderWritesTheFileInPlace",
                       ReadOnlyFolderWithFile,
                       "ro/17.set",
                       "ok",
                       {"ro/ 0555", "ro/17.set 0640 " + kWritten}},
            ExportCase{"ReadOnlyFolderRefusesANewFile",
                       ReadOnlyFolder,
                       "ro/17.set",
                       "EFCreateError: Cannot create file \"{path}\". Permission denied",
                       {"ro/ 0555"}},
            ExportCase{"ReadOnlyFileIsNotReplaced",
                       ReadOnlyFile,
                       "17.set",
                       "EFCreateError: Cannot create file \"{path}\". Permission denied",
                       {"17.set 0440 A=1\r\n"}},
            ExportCase{"SymlinkedTargetIsReplaced",
                       SymlinkedTarget,
                       "link.set",
                       "ok",
                       {"link.set -> real/17.set", "real/ 0755", "real/17.set 0600 " + kWritten}},
            ExportCase{"DanglingSymlinkCreatesItsTarget",
                       DanglingSymlink,
                       "link.set",
                       "ok",
                       {"link.set -> real/17.set", "real/ 0755", "real/17.set 0644 " + kWritten}},
            ExportCase{"ExistingFileKeepsItsMode",
                       ExistingFile,
                       "17.set",
                       "ok",
                       {"17.set 0604 " + kWritten}},
            ExportCase{"StickyFolderWritesOthersFileInPlace",
                       StickyFolderWithOthersFile,
                       "shared/17.set",
                       "ok",
                       {"shared/ 1777", "shared/17.set 0666 " + kWritten},
                       "shared"},
            ExportCase{"NewFile", NothingThere, "17.set", "ok", {"17.set 0644 " + kWritten}},
            ExportCase{"MissingFolder",
                       NothingThere,
                       "no-such-folder/17.set",
                       "EFCreateError: Cannot create file \"{path}\". No such file or directory",
                       {}}),
        testing::Values(Writer::kAlone, Writer::kInBatch)),
    CaseName);

}  // namespace
