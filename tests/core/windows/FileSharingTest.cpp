#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>

#include <core/Exceptions.h>
#include <core/ReportLoader.h>
#include <core/SetFile.h>
#include <core/platform/FileErrorParts.h>

#include "ReportGenerator.h"
#include "SystemTexts.h"
#include "TestFiles.h"

using namespace kvl::core;

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kOld = "A=1\r\n";
constexpr std::string_view kNew = "A=2\r\nB=3\r\n";

// The file opened by another program as it chooses to share it.
class HeldFile {
 public:
  HeldFile(const std::string& path, DWORD access, DWORD sharing)
      : handle_(::CreateFileW(PathFromUtf8(path).c_str(), access, sharing, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {
    if (handle_ == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot hold " + path);
  }
  ~HeldFile() { ::CloseHandle(handle_); }
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;

 private:
  HANDLE handle_;
};

std::string Message(const char* action, const std::string& path, Failure failure) {
  return std::string("Cannot ") + action + " file \"" + path + "\". " + SystemText(failure);
}

std::string SharingViolation() {
  return SystemErrorText(ERROR_SHARING_VIOLATION);
}

TEST(LoadReport, AReportThatAnotherProgramWritesIsRefused) {
  const TempDir dir;
  const std::string path = dir.Write("report.htm", ResultsHeaderLine());
  const HeldFile writer(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
  PassTable table;
  try {
    LoadReport(path, table);
    ADD_FAILURE() << "read a report that another program writes";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(e.Message(), "Cannot open file \"" + path + "\". " + SharingViolation());
  }
}

TEST(LoadReport, AReportThatAnotherProgramOnlyReadsLoads) {
  const TempDir dir;
  const std::string path = dir.Write(
      "report.htm", ResultsHeaderLine() + "\r\n" +
                        ReportRowLine({"1", "A=1; ", "5.00", "1", "1", "1", "1", "1"}, 0) +
                        "\r\n</table>\r\n");
  const HeldFile reader(path, GENERIC_READ, FILE_SHARE_READ);
  PassTable table;
  EXPECT_EQ(LoadReport(path, table), 1);
}

TEST(WriteSetFile, AFileThatAnotherProgramHoldsUnsharedIsKept) {
  const TempDir dir;
  const std::string path = dir.Write("17.set", kOld);
  {
    const HeldFile holder(path, GENERIC_READ, 0);
    try {
      WriteSetFile(path, kNew);
      ADD_FAILURE() << "replaced a file held by another program";
    } catch (const EFCreateError& e) {
      EXPECT_EQ(e.Message(), "Cannot create file \"" + path + "\". " + SharingViolation());
    }
  }
  EXPECT_EQ(ReadBytes(path), kOld);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1)
      << "a temporary file was left behind";
}

TEST(WriteSetFile, AReadOnlyFileIsKept) {
  const TempDir dir;
  const std::string path = dir.Write("17.set", kOld);
  ASSERT_TRUE(::SetFileAttributesW(PathFromUtf8(path).c_str(), FILE_ATTRIBUTE_READONLY));
  try {
    WriteSetFile(path, kNew);
    ADD_FAILURE() << "replaced a read-only file";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message(), Message("create", path, Failure::kAccessDenied));
  }
  ::SetFileAttributesW(PathFromUtf8(path).c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadBytes(path), kOld);
}

TEST(WriteSetFile, AMissingFolderIsNamed) {
  const TempDir dir;
  const std::string path = Utf8FromPath(dir.Path() / "no-such-folder" / "17.set");
  try {
    WriteSetFile(path, kNew);
    ADD_FAILURE() << "wrote into a missing folder";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(e.Message(), Message("create", path, Failure::kNoSuchFolder));
  }
}

TEST(WriteSetFile, ANewFileInAFolderWithACyrillicName) {
  const TempDir dir;
  fs::create_directory(dir.Path() / PathFromUtf8("Отчёты"));
  const std::string path =
      Utf8FromPath(dir.Path() / PathFromUtf8("Отчёты") / PathFromUtf8("Проход 17.set"));
  WriteSetFile(path, kNew);
  EXPECT_EQ(ReadBytes(path), kNew);
}

TEST(WriteSetFile, TheNullDeviceIsWrittenInPlace) {
  const TempDir dir;
  const fs::path before = fs::current_path();
  fs::current_path(dir.Path());
  EXPECT_NO_THROW(WriteSetFile("NUL", kNew));
  fs::current_path(before);
  EXPECT_TRUE(fs::is_empty(dir.Path())) << "the device was taken for a file";
}

}  // namespace
