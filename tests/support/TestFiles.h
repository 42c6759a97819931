#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include <core/Utf8Path.h>

// A fresh directory under `parent`, the system's temporary folder unless given, removed with
// everything in it.
class TempDir {
 public:
  explicit TempDir(const std::filesystem::path& parent = std::filesystem::temp_directory_path());
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // Writes `bytes` to the file `name` in this directory and returns its path, in UTF-8.
  std::string Write(const std::string& name, std::string_view bytes) const;

 private:
  std::filesystem::path path_;
};

std::string ReadBytes(const std::string& path);

// A fixture of tests/data by file name.
std::string DataPath(const std::string& name);
