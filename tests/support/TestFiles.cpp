#include "TestFiles.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

using namespace kvl::core;

namespace fs = std::filesystem;

TempDir::TempDir(const fs::path& parent) {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = parent / ("kvl-test-" + std::to_string(random()));
    if (fs::create_directory(candidate)) {
      fs::permissions(candidate, fs::perms::owner_all);  // the folder is this user's alone
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder in " + Utf8FromPath(parent));
}

TempDir::~TempDir() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::string TempDir::Write(const std::string& name, std::string_view bytes) const {
  const fs::path path = path_ / PathFromUtf8(name);
  std::ofstream out(path, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write test file " + Utf8FromPath(path));
  return Utf8FromPath(path);
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  if (!in) throw std::runtime_error("cannot read test file " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string DataPath(const std::string& name) {
  return std::string(KVL_TEST_DATA_DIR) + "/" + name;
}
