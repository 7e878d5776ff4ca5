#include "windows/windows_test_files.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

#include "platform/file_io.h"

namespace test {

using platform::PathFromUtf8;
using platform::Utf8FromPath;

Utf8TempDir::Utf8TempDir(std::string_view name) {
  std::random_device rd;
  const std::filesystem::path temp = std::filesystem::temp_directory_path();
  for (;;) {
    path_ = Utf8FromPath(temp) + "\\" + std::string(name) + std::to_string(rd());
    if (std::filesystem::create_directory(PathFromUtf8(path_))) break;
  }
}

Utf8TempDir::~Utf8TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(PathFromUtf8(path_), ec);
}

std::string Utf8TempDir::File(std::string_view name) const {
  return path_ + "\\" + std::string(name);
}

std::string Utf8TempDir::Write(std::string_view name, std::string_view bytes) const {
  const std::string path = File(name);
  std::filesystem::create_directories(PathFromUtf8(path).parent_path());
  std::ofstream out(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool Exists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::exists(PathFromUtf8(path), ec);
}

std::vector<std::string> NamesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(PathFromUtf8(folder), ec)) {
    names.push_back(Utf8FromPath(e.path().filename()));
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace test
