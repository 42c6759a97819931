#include "TestFiles.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

fs::path PathOf(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Of(const fs::path& path) {
  const std::u8string utf8 = path.u8string();
  return {utf8.begin(), utf8.end()};
}

TempDir::TempDir() {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = fs::temp_directory_path() / ("kvl-test-" + std::to_string(random()));
    if (fs::create_directory(candidate)) {
      fs::permissions(candidate, fs::perms::owner_all);  // the folder is this user's alone
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder in " +
                           Utf8Of(fs::temp_directory_path()));
}

TempDir::~TempDir() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::string TempDir::Write(const std::string& name, std::string_view bytes) const {
  const fs::path path = path_ / PathOf(name);
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write test file " + Utf8Of(path));
  return Utf8Of(path);
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(PathOf(path), std::ios::binary);
  if (!in) throw std::runtime_error("cannot read test file " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string DataPath(const std::string& name) {
  return std::string(KVL_TEST_DATA_DIR) + "/" + name;
}
